<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Ondulix</name>
    <message>
        <source>Fisik</source>
        <translation>Physical</translation>
    </message>
    <message>
        <source>Emosi</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Intelektual</source>
        <translation>Intellectual</translation>
    </message>
    <message>
        <source>Intuisi</source>
        <translation>Intuitive</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Passion</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Wisdom</translation>
    </message>
    <message>
        <source>Mastery</source>
        <translation>Mastery</translation>
    </message>
    <message>
        <source>Ban&amp;dingkan</source>
        <translation>Compa&amp;re</translation>
    </message>
    <message>
        <source>&amp;Kecocokan...</source>
        <translation>&amp;Agreement...</translation>
    </message>
    <message>
        <source>Bandingkan dengan </source>
        <translation>Compare with </translation>
    </message>
    <message>
        <source>&amp;Tanpa pembanding</source>
        <translation>&amp;No comparison</translation>
    </message>
    <message>
        <source>Tampilan</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Tandai Hari &amp;Kritis</source>
        <translation>Mark &amp;Critical Days</translation>
    </message>
    <message>
        <source>Fase &amp;Bulan Sebenarnya</source>
        <translation>&amp;True Moon Phase</translation>
    </message>
    <message>
        <source>&amp;Hari Kritis...</source>
        <translation>Critical &amp;Days...</translation>
    </message>
    <message>
        <source>Ekspor Hari Kritis ke &amp;Kalender (.ics)...</source>
        <translation>Export Critical Days to Ca&amp;lendar (.ics)...</translation>
    </message>
    <message>
        <source>&amp;Berkas</source>
        <translation>&amp;Chart</translation>
    </message>
    <message>
        <source>Simpan Grafik...</source>
        <translation>Save Chart...</translation>
    </message>
    <message>
        <source>Salin Grafik</source>
        <translation>Copy Chart</translation>
    </message>
    <message>
        <source>Cetak...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Pratinjau Cetak...</source>
        <translation>Print Preview...</translation>
    </message>
    <message>
        <source>Cetak beberapa bulan...</source>
        <translation>Print Several Months...</translation>
    </message>
    <message>
        <source>Ekspor Nilai (CSV)...</source>
        <translation>Export Values (CSV)...</translation>
    </message>
    <message>
        <source>Tanggal Lahir</source>
        <translation>Birth Date</translation>
    </message>
    <message>
        <source>Set tanggal lahirnya</source>
        <translation>Set the birth date</translation>
    </message>
    <message>
        <source>Ketik Nama</source>
        <translation>Type a Name</translation>
    </message>
    <message>
        <source>&amp;Kontak</source>
        <translation>Co&amp;ntacts</translation>
    </message>
    <message>
        <source>&amp;Ulang Tahun Berikutnya...</source>
        <translation>&amp;Upcoming Birthdays...</translation>
    </message>
    <message>
        <source>&amp;Impor Teman...</source>
        <translation>&amp;Import Friends...</translation>
    </message>
    <message>
        <source>&amp;Ekspor Teman...</source>
        <translation>&amp;Export Friends...</translation>
    </message>
    <message>
        <source>Ekspor Ulang &amp;Tahun (.ics)...</source>
        <translation>Export &amp;Birthdays (.ics)...</translation>
    </message>
    <message>
        <source>Ganti &amp;Nama Teman...</source>
        <translation>Re&amp;name Friend...</translation>
    </message>
    <message>
        <source>Ba&amp;ntuan</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Pintasan Keyboard</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>&amp;Tentang Ondulix</source>
        <translation>&amp;About Ondulix</translation>
    </message>
    <message>
        <source>Perjelas posisinya</source>
        <translation>Centre on the date</translation>
    </message>
    <message>
        <source>Set Tanggal</source>
        <translation>Display Date</translation>
    </message>
    <message>
        <source>Hari Ini</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Tutup</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Emosional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Suntin&amp;g</source>
        <translation>E&amp;dit</translation>
    </message>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>MMM d, yyyy</translation>
    </message>
    <message>
        <source>Minggu</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Senin</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Selasa</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Rabu</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Kamis</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Jumat</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Sabtu</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>hari ke-</source>
        <translation>day </translation>
    </message>
    <message>
        <source>Bulan: </source>
        <translation>Moon: </translation>
    </message>
    <message>
        <source>kritis</source>
        <translation>critical</translation>
    </message>
    <message>
        <source>tidak ada siklus</source>
        <translation>no cycles</translation>
    </message>
    <message>
        <source>belum lahir</source>
        <translation>not born yet</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source> naik</source>
        <translation> rising</translation>
    </message>
    <message>
        <source> turun</source>
        <translation> falling</translation>
    </message>
    <message>
        <source> Kritis: </source>
        <translation> Critical: </translation>
    </message>
    <message>
        <source>lahir </source>
        <translation>born </translation>
    </message>
    <message>
        <source>Grafik %1, lahir %2: %3 hari, %4 sampai %5. Siklus: %6.</source>
        <translation>Chart of %1, born %2: %3 days, %4 to %5. Cycles: %6.</translation>
    </message>
    <message>
        <source>tidak ada</source>
        <translation>none</translation>
    </message>
    <message>
        <source> Dibandingkan dengan %1lahir %2, garis putus-putus.</source>
        <translation> Compared with %1born %2, dashed lines.</translation>
    </message>
    <message>
        <source>bulan baru</source>
        <translation>new moon</translation>
    </message>
    <message>
        <source>sabit awal</source>
        <translation>waxing crescent</translation>
    </message>
    <message>
        <source>kuartal awal</source>
        <translation>first quarter</translation>
    </message>
    <message>
        <source>cembung awal</source>
        <translation>waxing gibbous</translation>
    </message>
    <message>
        <source>purnama</source>
        <translation>full moon</translation>
    </message>
    <message>
        <source>cembung akhir</source>
        <translation>waning gibbous</translation>
    </message>
    <message>
        <source>kuartal akhir</source>
        <translation>last quarter</translation>
    </message>
    <message>
        <source>sabit akhir</source>
        <translation>waning crescent</translation>
    </message>
    <message>
        <source>Anda</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Grafik siklus</source>
        <translation>Cycles chart</translation>
    </message>
    <message>
        <source>Grafik siklus: tidak ada grafik</source>
        <translation>Cycles chart: no chart</translation>
    </message>
    <message>
        <source>Grafik: hari itu menjadi tanggal tampilan</source>
        <translation>Chart: that day becomes the display date</translation>
    </message>
    <message>
        <source>Kecocokan</source>
        <translation>Agreement</translation>
    </message>
    <message>
        <source>Siklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Selisih</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>Kecocokan per siklus</source>
        <translation>Agreement by cycle</translation>
    </message>
    <message>
        <source>Nama</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Siapa paling cocok</source>
        <translation>Who agrees best</translation>
    </message>
    <message>
        <source>%1 (lahir %2) dan %3 (lahir %4): selisih %5 hari.</source>
        <translation>%1 (born %2) and %3 (born %4): %5 days apart.</translation>
    </message>
    <message>
        <source>gabungan</source>
        <translation>combined</translation>
    </message>
    <message>
        <source>Rata-rata siklus yang dicentang: </source>
        <translation>Mean of the ticked cycles: </translation>
    </message>
    <message>
        <source>Siapa paling &amp;cocok dengan %1:</source>
        <translation>Who agrees &amp;best with %1:</translation>
    </message>
    <message>
        <source>Hari Kritis</source>
        <translation>Critical Days</translation>
    </message>
    <message>
        <source>60 hari</source>
        <translation>60 days</translation>
    </message>
    <message>
        <source>200 hari</source>
        <translation>200 days</translation>
    </message>
    <message>
        <source>1 tahun</source>
        <translation>1 year</translation>
    </message>
    <message>
        <source>5 tahun</source>
        <translation>5 years</translation>
    </message>
    <message>
        <source>Rentang</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Semua hari kritis</source>
        <translation>All critical days</translation>
    </message>
    <message>
        <source>Ganda ke atas</source>
        <translation>Double and higher</translation>
    </message>
    <message>
        <source>Saring</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Tanggal</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Siapa</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>Jenis</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Hari kritis</source>
        <translation>Critical days</translation>
    </message>
    <message>
        <source>Rangkap &amp;tiga berikutnya</source>
        <translation>Next &amp;triple</translation>
    </message>
    <message>
        <source>Rangkap &amp;empat berikutnya</source>
        <translation>Next &amp;quadruple</translation>
    </message>
    <message>
        <source>Ekspor ke &amp;Kalender (.ics)...</source>
        <translation>Export to &amp;Calendar (.ics)...</translation>
    </message>
    <message>
        <source>%1 hari kritis dari %2.</source>
        <translation>%1 critical days from %2.</translation>
    </message>
    <message>
        <source> Daftar berhenti di %1, hari terakhir tahun-tahun Ondulix.</source>
        <translation> The list stops at %1, the last day of the years Ondulix knows.</translation>
    </message>
    <message>
        <source>Hari kritis %1 perlu %2 siklus utama dicentang; kini %3.</source>
        <translation>A %1 critical day needs %2 primary cycles ticked; %3 are.</translation>
    </message>
    <message>
        <source>Hari kritis %1 berikutnya: %2 (%3).</source>
        <translation>Next %1 critical day: %2 (%3).</translation>
    </message>
    <message>
        <source>Tidak ada hari kritis %1 sampai %2.</source>
        <translation>No %1 critical day up to %2.</translation>
    </message>
    <message>
        <source>Ekspor Hari Kritis</source>
        <translation>Export Critical Days</translation>
    </message>
    <message>
        <source>Ondulix-hari-kritis.ics</source>
        <translation>Ondulix-critical-days.ics</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Disimpan: %1 (%2 hari kritis)</source>
        <translation>Saved: %1 (%2 critical days)</translation>
    </message>
    <message>
        <source>Ondulix could not save the chart: %1.</source>
        <translation>Ondulix could not save the chart: %1.</translation>
    </message>
    <message>
        <source>Simpan Grafik</source>
        <translation>Save Chart</translation>
    </message>
    <message>
        <source>Grafik disimpan: %1</source>
        <translation>Chart saved: %1</translation>
    </message>
    <message>
        <source>Grafik disalin</source>
        <translation>Chart copied</translation>
    </message>
    <message>
        <source>Ondulix could not print the chart to %1.</source>
        <translation>Ondulix could not print the chart to %1.</translation>
    </message>
    <message>
        <source>Grafik dikirim ke pencetak</source>
        <translation>Chart sent to the printer</translation>
    </message>
    <message>
        <source>Ekspor Nilai</source>
        <translation>Export Values</translation>
    </message>
    <message>
        <source>CSV, comma-separated values (*.csv)</source>
        <translation>CSV, comma-separated values (*.csv)</translation>
    </message>
    <message>
        <source>Nilai disimpan: %1</source>
        <translation>Values saved: %1</translation>
    </message>
    <message>
        <source>. Kini ditampilkan: </source>
        <translation>. Now shown: </translation>
    </message>
    <message>
        <source>Diurungkan: </source>
        <translation>Undone: </translation>
    </message>
    <message>
        <source>Ulangi</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Urungkan</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>, lahir </source>
        <translation>, born </translation>
    </message>
    <message>
        <source>Ondulix holds at most %1 friends. Remove one before adding %2.</source>
        <translation>Ondulix holds at most %1 friends. Remove one before adding %2.</translation>
    </message>
    <message>
        <source>Ganti tanggal lahir %1 dari %2 menjadi %3?</source>
        <translation>Change the birth date of %1 from %2 to %3?</translation>
    </message>
    <message>
        <source>tambah </source>
        <translation>add </translation>
    </message>
    <message>
        <source>Tanggal lahir %1 tetap %2</source>
        <translation>Birth date of %1 stays %2</translation>
    </message>
    <message>
        <source>tanggal lahir </source>
        <translation>birth date of </translation>
    </message>
    <message>
        <source>Remove ? &quot;%1&quot;</source>
        <translation>Remove &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>hapus </source>
        <translation>remove </translation>
    </message>
    <message>
        <source>Simpan tanggal lahir </source>
        <translation>Save the birth date of </translation>
    </message>
    <message>
        <source>Simpan tanggal lahir Anda</source>
        <translation>Save your birth date</translation>
    </message>
    <message>
        <source>Hapus </source>
        <translation>Remove </translation>
    </message>
    <message>
        <source>Remove </source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Save </source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Save</translation>
    </message>
    <message>
        <source> (nama dipotong dari “%1”)</source>
        <translation> (name cut from “%1”)</translation>
    </message>
    <message>
        <source>baru</source>
        <translation>new</translation>
    </message>
    <message>
        <source>diperbarui: %1 → %2</source>
        <translation>updated: %1 → %2</translation>
    </message>
    <message>
        <source>sama</source>
        <translation>the same</translation>
    </message>
    <message>
        <source>dilewati: </source>
        <translation>skipped: </translation>
    </message>
    <message>
        <source>Impor Teman: </source>
        <translation>Import Friends: </translation>
    </message>
    <message>
        <source>&amp;Urutan tanggal seperti 07/01/1960:</source>
        <translation>&amp;Order of dates like 07/01/1960:</translation>
    </message>
    <message>
        <source>hari/bulan/tahun</source>
        <translation>day/month/year</translation>
    </message>
    <message>
        <source>bulan/hari/tahun</source>
        <translation>month/day/year</translation>
    </message>
    <message>
        <source>tahun/bulan/hari</source>
        <translation>year/month/day</translation>
    </message>
    <message>
        <source>Tanggal lahir</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Kontak dalam berkas</source>
        <translation>Contacts in the file</translation>
    </message>
    <message>
        <source>&amp;Impor</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Batal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 kontak: %2 baru, %3 diperbarui, %4 sama, %5 dilewati. %6 dipilih.</source>
        <translation>%1 contacts: %2 new, %3 updated, %4 the same, %5 skipped. %6 chosen.</translation>
    </message>
    <message>
        <source>Tidak ada nama berisi “%1”</source>
        <translation>No name contains “%1”</translation>
    </message>
    <message>
        <source>Impor Teman</source>
        <translation>Import Friends</translation>
    </message>
    <message>
        <source>Tidak ada teman yang dapat diimpor dari %1. %2</source>
        <translation>No friend can be imported from %1. %2</translation>
    </message>
    <message>
        <source>impor %1 teman</source>
        <translation>import %1 friends</translation>
    </message>
    <message>
        <source>%1 teman diimpor dari %2</source>
        <translation>%1 friends imported from %2</translation>
    </message>
    <message>
        <source>Disimpan: </source>
        <translation>Saved: </translation>
    </message>
    <message>
        <source>Ekspor Teman</source>
        <translation>Export Friends</translation>
    </message>
    <message>
        <source>Ondulix-teman.vcf</source>
        <translation>Ondulix-friends.vcf</translation>
    </message>
    <message>
        <source>vCard 4.0 (*.vcf)</source>
        <translation>vCard 4.0 (*.vcf)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Ekspor Ulang Tahun</source>
        <translation>Export Birthdays</translation>
    </message>
    <message>
        <source>Ondulix-ulang-tahun.ics</source>
        <translation>Ondulix-birthdays.ics</translation>
    </message>
    <message>
        <source>Ulang Tahun Berikutnya</source>
        <translation>Upcoming Birthdays</translation>
    </message>
    <message>
        <source>Lagi</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Umur</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Ulang tahun dalam 30 hari</source>
        <translation>Birthdays in 30 days</translation>
    </message>
    <message>
        <source>hari ini</source>
        <translation>today</translation>
    </message>
    <message>
        <source>besok</source>
        <translation>tomorrow</translation>
    </message>
    <message>
        <source>%1 hari lagi</source>
        <translation>in %1 days</translation>
    </message>
    <message>
        <source>%1 tahun</source>
        <translation>%1 years</translation>
    </message>
    <message>
        <source>Tidak ada ulang tahun dalam 30 hari ke depan.</source>
        <translation>No birthday in the next 30 days.</translation>
    </message>
    <message>
        <source>%1 (%2 tahun)</source>
        <translation>%1 (%2 years)</translation>
    </message>
    <message>
        <source>Hari ini ulang tahun </source>
        <translation>Birthday today: </translation>
    </message>
    <message>
        <source>Ganti Nama Teman</source>
        <translation>Rename Friend</translation>
    </message>
    <message>
        <source>Nama baru untuk %1:</source>
        <translation>New name for %1:</translation>
    </message>
    <message>
        <source>%1 sudah ada di daftar teman.</source>
        <translation>%1 is already in the friends list.</translation>
    </message>
    <message>
        <source>Nama tidak boleh kosong.</source>
        <translation>The name cannot be empty.</translation>
    </message>
    <message>
        <source>ganti nama </source>
        <translation>rename </translation>
    </message>
    <message>
        <source>%1 kini bernama %2</source>
        <translation>%1 is now called %2</translation>
    </message>
    <message>
        <source>Pintasan Keyboard – Ondulix</source>
        <translation>Keyboard Shortcuts – Ondulix</translation>
    </message>
    <message>
        <source>Tombol</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Fungsi</source>
        <translation>Does</translation>
    </message>
    <message>
        <source>Pintasan keyboard</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <source>Tentang Ondulix</source>
        <translation>About Ondulix</translation>
    </message>
    <message>
        <source>Menu </source>
        <translation>Menu </translation>
    </message>
    <message>
        <source>Simpan atau hapus teman</source>
        <translation>Save or remove a friend</translation>
    </message>
    <message>
        <source>Kotak nama: simpan nama itu</source>
        <translation>Name box: save that name</translation>
    </message>
    <message>
        <source>Cetak beberapa bulan</source>
        <translation>Print Several Months</translation>
    </message>
    <message>
        <source>Berapa halaman (60 hari tiap halaman)?</source>
        <translation>How many pages (60 days a page)?</translation>
    </message>
    <message>
        <source>Berkas %1 tidak dapat ditulis: %2.</source>
        <translation>The file %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation>Save Elsewhere...</translation>
    </message>
    <message>
        <source>Settings (*.ini);;All files (*)</source>
        <translation>Settings (*.ini);;All files (*)</translation>
    </message>
    <message>
        <source>Ondulix could not finish this action: %1.</source>
        <translation>Ondulix could not finish this action: %1.</translation>
    </message>
    <message>
        <source>Mengerti (Esc)</source>
        <translation>Got it (Esc)</translation>
    </message>
    <message>
        <source>Grafik digambar: </source>
        <translation>Chart drawn: </translation>
    </message>
    <message>
        <source>Tanggal %1 tidak ada di %2 %3: kini tanggal %4</source>
        <translation>There is no %1 in %2 %3: now the %4th</translation>
    </message>
    <message>
        <source>. Bulan: </source>
        <translation>. Moon: </translation>
    </message>
    <message>
        <source>sejalan</source>
        <translation>in step</translation>
    </message>
    <message>
        <source>%1 %2 hari lebih dulu</source>
        <translation>%1 %2 days ahead</translation>
    </message>
    <message>
        <source>born </source>
        <translation>born </translation>
    </message>
    <message>
        <source>Day since birth (%1)</source>
        <translation>Day since birth (%1)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day since birth</source>
        <translation>Day since birth</translation>
    </message>
    <message>
        <source>Ondulix: %1born %2, 60 days from %3</source>
        <translation>Ondulix: %1born %2, 60 days from %3</translation>
    </message>
    <message>
        <source>Hari Ulang Tahun saya</source>
        <translation>My birthday</translation>
    </message>
    <message>
        <source>%1 (lahir %2) dan %3 (lahir %4)</source>
        <translation>%1 (born %2) and %3 (born %4)</translation>
    </message>
    <message>
        <source>pembanding</source>
        <translation>the other</translation>
    </message>
    <message>
        <source>Lahir </source>
        <translation>Born </translation>
    </message>
    <message>
        <source> berumur </source>
        <translation> is </translation>
    </message>
    <message>
        <source>umur </source>
        <translation>age </translation>
    </message>
    <message>
        <source>%1 hari pada %2</source>
        <translation>%1 days on %2</translation>
    </message>
    <message>
        <source>Pada </source>
        <translation>On </translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>: belum lahir</source>
        <translation>: not born yet</translation>
    </message>
    <message>
        <source>tunggal</source>
        <translation>single</translation>
    </message>
    <message>
        <source>ganda</source>
        <translation>double</translation>
    </message>
    <message>
        <source>rangkap tiga</source>
        <translation>triple</translation>
    </message>
    <message>
        <source>rangkap empat</source>
        <translation>quadruple</translation>
    </message>
    <message>
        <source>Hari kritis </source>
        <translation>Critical day: </translation>
    </message>
    <message>
        <source>dicetak </source>
        <translation>printed </translation>
    </message>
    <message>
        <source>(Hari Ulang Tahun saya)</source>
        <translation>(My birthday)</translation>
    </message>
    <message>
        <source>Lihat teman</source>
        <translation>View friend</translation>
    </message>
    <message>
        <source>Tanggal lahir: bulan</source>
        <translation>Birth date: month</translation>
    </message>
    <message>
        <source>Tanggal lahir: hari</source>
        <translation>Birth date: day</translation>
    </message>
    <message>
        <source>Tanggal lahir: tahun</source>
        <translation>Birth date: year</translation>
    </message>
    <message>
        <source>Daftar teman</source>
        <translation>Friends list</translation>
    </message>
    <message>
        <source>Nama teman</source>
        <translation>Friend name</translation>
    </message>
    <message>
        <source>Set tanggal: bulan</source>
        <translation>Display date: month</translation>
    </message>
    <message>
        <source>Set tanggal: hari</source>
        <translation>Display date: day</translation>
    </message>
    <message>
        <source>Set tanggal: tahun</source>
        <translation>Display date: year</translation>
    </message>
    <message>
        <source>Hari gambar bulan</source>
        <translation>Moon picture day</translation>
    </message>
    <message>
        <source>Gambar bulan</source>
        <translation>Moon picture</translation>
    </message>
    <message>
        <source>Nilai hari</source>
        <translation>Day values</translation>
    </message>
    <message>
        <source>Tiap siklus: 50 × (1 + cos(2π·Δ/T)), dengan Δ selisih hari kedua tanggal lahir dan T panjang siklus: 100 bila kedua kurva sejalan, 0 bila berlawanan; siklus gabungan memakai rata-rata kedua kosinusnya, dan angka keseluruhan rata-rata siklus yang dicentang. Tidak bergantung pada hari yang ditampilkan.</source>
        <translation>Each cycle: 50 × (1 + cos(2π·Δ/T)), with Δ the days between the two birth dates and T the cycle&apos;s length: 100 when both curves are in step, 0 when opposite; a combined cycle takes the mean of its two cosines, and the overall figure is the mean of the ticked cycles. It does not depend on the day shown.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>MMMM d, yyyy</translation>
    </message>
    <message>
        <source>Drawn by Ondulix %1</source>
        <translation>Drawn by Ondulix %1</translation>
    </message>
    <message>
        <source>Ulang tahun </source>
        <translation>Birthday: </translation>
    </message>
    <message>
        <source>Ulang Tahun</source>
        <translation>Birthdays</translation>
    </message>
    <message>
        <source>Berhenti di baris %1: %2.</source>
        <translation>Stopped at line %1: %2.</translation>
    </message>
    <message>
        <source>baris lebih dari 64 KB</source>
        <translation>a line longer than 64 KB</translation>
    </message>
    <message>
        <source>lebih dari %1 kontak</source>
        <translation>more than %1 contacts</translation>
    </message>
    <message>
        <source>bukan teks UTF-8</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>Berkas kosong.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Berkas tidak dapat dibuka: %1.</source>
        <translation>The file cannot be opened: %1.</translation>
    </message>
    <message>
        <source>Ini %1, bukan berkas biasa; hanya berkas biasa yang dapat diimpor.</source>
        <translation>This is %1, not a regular file; only regular files can be imported.</translation>
    </message>
    <message>
        <source>Berkas lebih dari 16 MB: terlalu besar untuk daftar kontak.</source>
        <translation>The file is over 16 MB: too large for a contact list.</translation>
    </message>
    <message>
        <source>tanpa nama</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>nama entri Anda sendiri</source>
        <translation>the name of your own entry</translation>
    </message>
    <message>
        <source>tanpa tanggal lahir</source>
        <translation>no birth date</translation>
    </message>
    <message>
        <source>tanpa tahun</source>
        <translation>no year</translation>
    </message>
    <message>
        <source>tanggal tak terbaca: %1</source>
        <translation>unreadable date: %1</translation>
    </message>
    <message>
        <source>tanggal ini hanya terbaca dengan urutan lain: %1</source>
        <translation>this date reads only in another order: %1</translation>
    </message>
    <message>
        <source>tahun %1 di luar %2–%3</source>
        <translation>year %1 outside %2–%3</translation>
    </message>
    <message>
        <source>nama ganda dalam berkas</source>
        <translation>name twice in the file</translation>
    </message>
    <message>
        <source>daftar penuh (%1 teman)</source>
        <translation>list full (%1 friends)</translation>
    </message>
    <message>
        <source>Tanggal lahir %1: %2 → %3</source>
        <translation>Birth date of %1: %2 → %3</translation>
    </message>
    <message>
        <source>%1 ditambahkan, lahir %2</source>
        <translation>%1 added, born %2</translation>
    </message>
    <message>
        <source>%1 dihapus (lahir %2)</source>
        <translation>%1 removed (born %2)</translation>
    </message>
    <message>
        <source>kartu terakhir tanpa END:VCARD, tidak dibaca</source>
        <translation>last card without END:VCARD, not read</translation>
    </message>
    <message>
        <source>Berkas ini bukan vCard: tidak ada BEGIN:VCARD.</source>
        <translation>This file is not a vCard: no BEGIN:VCARD.</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made or is not yours</source>
        <translation>the lock file %1 cannot be made or is not yours</translation>
    </message>
    <message>
        <source>the file system of %1 cannot lock</source>
        <translation>the file system of %1 cannot lock</translation>
    </message>
    <message>
        <source>the lock file %1 keeps changing</source>
        <translation>the lock file %1 keeps changing</translation>
    </message>
    <message>
        <source>you have no private folder for its lock</source>
        <translation>you have no private folder for its lock</translation>
    </message>
    <message>
        <source>the folder %1 is not yours alone</source>
        <translation>the folder %1 is not yours alone</translation>
    </message>
    <message>
        <source>no lock can make sure that no other copy of Ondulix writes it (%1)</source>
        <translation>no lock can make sure that no other copy of Ondulix writes it (%1)</translation>
    </message>
    <message>
        <source>Ondulix is already running with this settings file. Switch to its window.</source>
        <translation>Ondulix is already running with this settings file. Switch to its window.</translation>
    </message>
    <message>
        <source>Ondulix is already running with this settings file, but it does not answer. Close it first, or end it if it hangs.</source>
        <translation>Ondulix is already running with this settings file, but it does not answer. Close it first, or end it if it hangs.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>it is larger than %1 MB</translation>
    </message>
    <message>
        <source>%1 not saved: %2</source>
        <translation>%1 not saved: %2</translation>
    </message>
    <message>
        <source>Your own birth date &quot;%1&quot; was read as %2.</source>
        <translation>Your own birth date &quot;%1&quot; was read as %2.</translation>
    </message>
    <message>
        <source>The birth date &quot;%1&quot; of %2 was read as %3.</source>
        <translation>The birth date &quot;%1&quot; of %2 was read as %3.</translation>
    </message>
    <message>
        <source>is &quot;%1&quot;, not a whole number from 0 to %2</source>
        <translation>is &quot;%1&quot;, not a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>&quot;No. of Friends&quot; %1; %2.</source>
        <translation>&quot;No. of Friends&quot; %1; %2.</translation>
    </message>
    <message>
        <source>&quot;No. of Friends&quot; says %1, but the settings file names %2; they are in the list too.</source>
        <translation>&quot;No. of Friends&quot; says %1, but the settings file names %2; they are in the list too.</translation>
    </message>
    <message>
        <source>The settings file holds %1 friends, more than the %2 the list can show; the other %3 stay in the file as they are.</source>
        <translation>The settings file holds %1 friends, more than the %2 the list can show; the other %3 stay in the file as they are.</translation>
    </message>
    <message>
        <source>the folder that holds it</source>
        <translation>the folder that holds it</translation>
    </message>
    <message>
        <source>%1 belongs to another user (%2)</source>
        <translation>%1 belongs to another user (%2)</translation>
    </message>
    <message>
        <source>it could not be read when Ondulix started (%1), so Ondulix does not overwrite it</source>
        <translation>it could not be read when Ondulix started (%1), so Ondulix does not overwrite it</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); Ondulix starts with its defaults and will not overwrite it.</source>
        <translation>The settings file %1 could not be read (%2); Ondulix starts with its defaults and will not overwrite it.</translation>
    </message>
    <message>
        <source>Ondulix does not write the settings file %1 while it runs: %2. Your changes are kept until you close it; then you can save them elsewhere.</source>
        <translation>Ondulix does not write the settings file %1 while it runs: %2. Your changes are kept until you close it; then you can save them elsewhere.</translation>
    </message>
    <message>
        <source>Ondulix could not save to %1: %2.

The change is kept while Ondulix runs; it will try again when it closes.</source>
        <translation>Ondulix could not save to %1: %2.

The change is kept while Ondulix runs; it will try again when it closes.</translation>
    </message>
    <message>
        <source>Ondulix could not save your birth dates and friends to %1: %2.

%3, close without saving, or cancel to keep Ondulix open?</source>
        <translation>Ondulix could not save your birth dates and friends to %1: %2.

%3, close without saving, or cancel to keep Ondulix open?</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Save elsewhere</source>
        <translation>Save elsewhere</translation>
    </message>
    <message>
        <source>Grafik: hari sebelumnya</source>
        <translation>Chart: previous day</translation>
    </message>
    <message>
        <source>Grafik: hari berikutnya</source>
        <translation>Chart: next day</translation>
    </message>
    <message>
        <source>Grafik: seminggu sebelumnya</source>
        <translation>Chart: a week back</translation>
    </message>
    <message>
        <source>Grafik: seminggu berikutnya</source>
        <translation>Chart: a week on</translation>
    </message>
    <message>
        <source>Grafik: hari pertama</source>
        <translation>Chart: first day</translation>
    </message>
    <message>
        <source>Grafik: hari terakhir</source>
        <translation>Chart: last day</translation>
    </message>
    <message>
        <source>Belum ada pembanding: pilih seseorang di daftar di bawah atau di menu Bandingkan.</source>
        <translation>No one to compare with yet: choose someone in the list below or in the Compare menu.</translation>
    </message>
    <message>
        <source>Kunci grafik</source>
        <translation>Chart key</translation>
    </message>
    <message>
        <source>Garis penuh: %1. Garis putus-putus: %2.</source>
        <translation>Solid lines: %1. Dashed lines: %2.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>PNG image, double size (*.png)</source>
        <translation>PNG image, double size (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Kontak (*.vcf *.vcard *.csv);;vCard (*.vcf *.vcard);;CSV (*.csv);;Semua berkas (*)</source>
        <translation>Contacts (*.vcf *.vcard *.csv);;vCard (*.vcf *.vcard);;CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Tidak ada yang berubah: semua yang dipilih sudah ada di daftar.</source>
        <translation>Nothing changed: everyone chosen is already in the list.</translation>
    </message>
    <message>
        <source>* Lahir 29 Februari: pada tahun biasa dirayakan 28 Februari.</source>
        <translation>* Born on 29 February: celebrated on 28 February in common years.</translation>
    </message>
    <message>
        <source>Pilih dulu teman yang akan diganti namanya di daftar teman.</source>
        <translation>First choose the friend to rename in the friends list.</translation>
    </message>
    <message>
        <source>Ondulix %1

Menggambar siklus seseorang selama 60 hari dari tanggal lahirnya, dengan fase bulan.

Hak cipta dilindungi undang-undang.

Berkas pengaturan:
%2</source>
        <translation>Ondulix %1

Draws a person&apos;s cycles for 60 days from their birth date, with the moon&apos;s phase.

All rights reserved.

Settings file:
%2</translation>
    </message>
    <message>
        <source>%1 could not be written either (%2)</source>
        <translation>%1 could not be written either (%2)</translation>
    </message>
    <message>
        <source>, dipilih</source>
        <translation>, chosen</translation>
    </message>
    <message>
        <source>, tidak dipilih</source>
        <translation>, not chosen</translation>
    </message>
    <message>
        <source>Selamat datang! Tanggal lahir Anda: pilih &quot;Tanggal Lahir&quot;, pilih tanggalnya, lalu &quot;Save&quot;.</source>
        <translation>Welcome! Your birth date: choose &quot;Birth Date&quot;, pick the date, then &quot;Save&quot;.</translation>
    </message>
    <message>
        <source>Tanpa pembanding</source>
        <translation>No comparison</translation>
    </message>
    <message>
        <source>Dibandingkan dengan </source>
        <translation>Compared with </translation>
    </message>
    <message>
        <source>lebih dari %1 baris</source>
        <translation>more than %1 lines</translation>
    </message>
    <message>
        <source>baris terlalu panjang</source>
        <translation>line too long</translation>
    </message>
    <message>
        <source>tanda petik tidak ditutup</source>
        <translation>quotation mark not closed</translation>
    </message>
    <message>
        <source>the disk did not take the whole file</source>
        <translation>the disk did not take the whole file</translation>
    </message>
    <message>
        <source>%1 is a link that another user made in a folder that is not yours alone; Ondulix does not follow it</source>
        <translation>%1 is a link that another user made in a folder that is not yours alone; Ondulix does not follow it</translation>
    </message>
    <message>
        <source>%1 is a loop of links</source>
        <translation>%1 is a loop of links</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>the folder %1 is read-only</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File too large</translation>
    </message>
</context>
</TS>
