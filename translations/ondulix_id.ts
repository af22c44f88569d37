<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>Ondulix</name>
    <message>
        <source>Fisik</source>
        <translation>Fisik</translation>
    </message>
    <message>
        <source>Emosi</source>
        <translation>Emosi</translation>
    </message>
    <message>
        <source>Intelektual</source>
        <translation>Intelektual</translation>
    </message>
    <message>
        <source>Intuisi</source>
        <translation>Intuisi</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Hasrat</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Hikmah</translation>
    </message>
    <message>
        <source>Mastery</source>
        <translation>Kepakaran</translation>
    </message>
    <message>
        <source>Ban&amp;dingkan</source>
        <translation>Ban&amp;dingkan</translation>
    </message>
    <message>
        <source>&amp;Kecocokan...</source>
        <translation>&amp;Kecocokan...</translation>
    </message>
    <message>
        <source>Bandingkan dengan </source>
        <translation>Bandingkan dengan </translation>
    </message>
    <message>
        <source>&amp;Tanpa pembanding</source>
        <translation>&amp;Tanpa pembanding</translation>
    </message>
    <message>
        <source>Tampilan</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Tandai Hari &amp;Kritis</source>
        <translation>Tandai Hari &amp;Kritis</translation>
    </message>
    <message>
        <source>Fase &amp;Bulan Sebenarnya</source>
        <translation>Fase &amp;Bulan Sebenarnya</translation>
    </message>
    <message>
        <source>&amp;Hari Kritis...</source>
        <translation>&amp;Hari Kritis...</translation>
    </message>
    <message>
        <source>Ekspor Hari Kritis ke &amp;Kalender (.ics)...</source>
        <translation>Ekspor Hari Kritis ke &amp;Kalender (.ics)...</translation>
    </message>
    <message>
        <source>&amp;Berkas</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>Simpan Grafik...</source>
        <translation>Simpan Grafik...</translation>
    </message>
    <message>
        <source>Salin Grafik</source>
        <translation>Salin Grafik</translation>
    </message>
    <message>
        <source>Cetak...</source>
        <translation>Cetak...</translation>
    </message>
    <message>
        <source>Pratinjau Cetak...</source>
        <translation>Pratinjau Cetak...</translation>
    </message>
    <message>
        <source>Cetak beberapa bulan...</source>
        <translation>Cetak beberapa bulan...</translation>
    </message>
    <message>
        <source>Ekspor Nilai (CSV)...</source>
        <translation>Ekspor Nilai (CSV)...</translation>
    </message>
    <message>
        <source>Tanggal Lahir</source>
        <translation>Tanggal Lahir</translation>
    </message>
    <message>
        <source>Set tanggal lahirnya</source>
        <translation>Atur tanggal lahirnya</translation>
    </message>
    <message>
        <source>Ketik Nama</source>
        <translation>Ketik Nama</translation>
    </message>
    <message>
        <source>&amp;Kontak</source>
        <translation>&amp;Kontak</translation>
    </message>
    <message>
        <source>&amp;Ulang Tahun Berikutnya...</source>
        <translation>&amp;Ulang Tahun Berikutnya...</translation>
    </message>
    <message>
        <source>&amp;Impor Teman...</source>
        <translation>&amp;Impor Teman...</translation>
    </message>
    <message>
        <source>&amp;Ekspor Teman...</source>
        <translation>&amp;Ekspor Teman...</translation>
    </message>
    <message>
        <source>Ekspor Ulang &amp;Tahun (.ics)...</source>
        <translation>Ekspor Ulang &amp;Tahun (.ics)...</translation>
    </message>
    <message>
        <source>Ganti &amp;Nama Teman...</source>
        <translation>Ganti &amp;Nama Teman...</translation>
    </message>
    <message>
        <source>Ba&amp;ntuan</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>&amp;Pintasan Keyboard</source>
        <translation>&amp;Pintasan Papan Ketik</translation>
    </message>
    <message>
        <source>&amp;Tentang Ondulix</source>
        <translation>&amp;Tentang Ondulix</translation>
    </message>
    <message>
        <source>Perjelas posisinya</source>
        <translation>Perjelas posisinya</translation>
    </message>
    <message>
        <source>Set Tanggal</source>
        <translation>Atur Tanggal</translation>
    </message>
    <message>
        <source>Hari Ini</source>
        <translation>Hari Ini</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Tutup</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Emosional</source>
        <translation>Emosional</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Suntin&amp;g</source>
        <translation>Suntin&amp;g</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maret</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Desember</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>Minggu</source>
        <translation>Minggu</translation>
    </message>
    <message>
        <source>Senin</source>
        <translation>Senin</translation>
    </message>
    <message>
        <source>Selasa</source>
        <translation>Selasa</translation>
    </message>
    <message>
        <source>Rabu</source>
        <translation>Rabu</translation>
    </message>
    <message>
        <source>Kamis</source>
        <translation>Kamis</translation>
    </message>
    <message>
        <source>Jumat</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <source>Sabtu</source>
        <translation>Sabtu</translation>
    </message>
    <message>
        <source>hari ke-</source>
        <translation>hari ke-</translation>
    </message>
    <message>
        <source>Bulan: </source>
        <translation>Bulan: </translation>
    </message>
    <message>
        <source>kritis</source>
        <translation>kritis</translation>
    </message>
    <message>
        <source>tidak ada siklus</source>
        <translation>tidak ada siklus</translation>
    </message>
    <message>
        <source>belum lahir</source>
        <translation>belum lahir</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source> naik</source>
        <translation> naik</translation>
    </message>
    <message>
        <source> turun</source>
        <translation> turun</translation>
    </message>
    <message>
        <source> Kritis: </source>
        <translation> Kritis: </translation>
    </message>
    <message>
        <source>lahir </source>
        <translation>lahir </translation>
    </message>
    <message>
        <source>Grafik %1, lahir %2: %3 hari, %4 sampai %5. Siklus: %6.</source>
        <translation>Grafik %1, lahir %2: %3 hari, %4 sampai %5. Siklus: %6.</translation>
    </message>
    <message>
        <source>tidak ada</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source> Dibandingkan dengan %1lahir %2, garis putus-putus.</source>
        <translation> Dibandingkan dengan %1lahir %2, garis putus-putus.</translation>
    </message>
    <message>
        <source>bulan baru</source>
        <translation>bulan baru</translation>
    </message>
    <message>
        <source>sabit awal</source>
        <translation>sabit awal</translation>
    </message>
    <message>
        <source>kuartal awal</source>
        <translation>kuartal awal</translation>
    </message>
    <message>
        <source>cembung awal</source>
        <translation>cembung awal</translation>
    </message>
    <message>
        <source>purnama</source>
        <translation>purnama</translation>
    </message>
    <message>
        <source>cembung akhir</source>
        <translation>cembung akhir</translation>
    </message>
    <message>
        <source>kuartal akhir</source>
        <translation>kuartal akhir</translation>
    </message>
    <message>
        <source>sabit akhir</source>
        <translation>sabit akhir</translation>
    </message>
    <message>
        <source>Anda</source>
        <translation>Anda</translation>
    </message>
    <message>
        <source>Grafik siklus</source>
        <translation>Grafik siklus</translation>
    </message>
    <message>
        <source>Grafik siklus: tidak ada grafik</source>
        <translation>Grafik siklus: tidak ada grafik</translation>
    </message>
    <message>
        <source>Grafik: hari itu menjadi tanggal tampilan</source>
        <translation>Grafik: hari itu menjadi tanggal tampilan</translation>
    </message>
    <message>
        <source>Kecocokan</source>
        <translation>Kecocokan</translation>
    </message>
    <message>
        <source>Siklus</source>
        <translation>Siklus</translation>
    </message>
    <message>
        <source>Selisih</source>
        <translation>Selisih</translation>
    </message>
    <message>
        <source>Kecocokan per siklus</source>
        <translation>Kecocokan per siklus</translation>
    </message>
    <message>
        <source>Nama</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Siapa paling cocok</source>
        <translation>Siapa paling cocok</translation>
    </message>
    <message>
        <source>%1 (lahir %2) dan %3 (lahir %4): selisih %5 hari.</source>
        <translation>%1 (lahir %2) dan %3 (lahir %4): selisih %5 hari.</translation>
    </message>
    <message>
        <source>gabungan</source>
        <translation>gabungan</translation>
    </message>
    <message>
        <source>Rata-rata siklus yang dicentang: </source>
        <translation>Rata-rata siklus yang dicentang: </translation>
    </message>
    <message>
        <source>Siapa paling &amp;cocok dengan %1:</source>
        <translation>Siapa paling &amp;cocok dengan %1:</translation>
    </message>
    <message>
        <source>Hari Kritis</source>
        <translation>Hari Kritis</translation>
    </message>
    <message>
        <source>60 hari</source>
        <translation>60 hari</translation>
    </message>
    <message>
        <source>200 hari</source>
        <translation>200 hari</translation>
    </message>
    <message>
        <source>1 tahun</source>
        <translation>1 tahun</translation>
    </message>
    <message>
        <source>5 tahun</source>
        <translation>5 tahun</translation>
    </message>
    <message>
        <source>Rentang</source>
        <translation>Rentang</translation>
    </message>
    <message>
        <source>Semua hari kritis</source>
        <translation>Semua hari kritis</translation>
    </message>
    <message>
        <source>Ganda ke atas</source>
        <translation>Ganda ke atas</translation>
    </message>
    <message>
        <source>Saring</source>
        <translation>Saring</translation>
    </message>
    <message>
        <source>Tanggal</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Siapa</source>
        <translation>Siapa</translation>
    </message>
    <message>
        <source>Jenis</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Hari kritis</source>
        <translation>Hari kritis</translation>
    </message>
    <message>
        <source>Rangkap &amp;tiga berikutnya</source>
        <translation>Rangkap &amp;tiga berikutnya</translation>
    </message>
    <message>
        <source>Rangkap &amp;empat berikutnya</source>
        <translation>Rangkap &amp;empat berikutnya</translation>
    </message>
    <message>
        <source>Ekspor ke &amp;Kalender (.ics)...</source>
        <translation>Ekspor ke &amp;Kalender (.ics)...</translation>
    </message>
    <message>
        <source>%1 hari kritis dari %2.</source>
        <translation>%1 hari kritis dari %2.</translation>
    </message>
    <message>
        <source> Daftar berhenti di %1, hari terakhir tahun-tahun Ondulix.</source>
        <translation> Daftar berhenti di %1, hari terakhir tahun-tahun Ondulix.</translation>
    </message>
    <message>
        <source>Hari kritis %1 perlu %2 siklus utama dicentang; kini %3.</source>
        <translation>Hari kritis %1 perlu %2 siklus utama dicentang; kini %3.</translation>
    </message>
    <message>
        <source>Hari kritis %1 berikutnya: %2 (%3).</source>
        <translation>Hari kritis %1 berikutnya: %2 (%3).</translation>
    </message>
    <message>
        <source>Tidak ada hari kritis %1 sampai %2.</source>
        <translation>Tidak ada hari kritis %1 sampai %2.</translation>
    </message>
    <message>
        <source>Ekspor Hari Kritis</source>
        <translation>Ekspor Hari Kritis</translation>
    </message>
    <message>
        <source>Ondulix-hari-kritis.ics</source>
        <translation>Ondulix-hari-kritis.ics</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Disimpan: %1 (%2 hari kritis)</source>
        <translation>Disimpan: %1 (%2 hari kritis)</translation>
    </message>
    <message>
        <source>Ondulix could not save the chart: %1.</source>
        <translation>Ondulix tidak dapat menyimpan grafik: %1.</translation>
    </message>
    <message>
        <source>Simpan Grafik</source>
        <translation>Simpan Grafik</translation>
    </message>
    <message>
        <source>Grafik disimpan: %1</source>
        <translation>Grafik disimpan: %1</translation>
    </message>
    <message>
        <source>Grafik disalin</source>
        <translation>Grafik disalin</translation>
    </message>
    <message>
        <source>Ondulix could not print the chart to %1.</source>
        <translation>Ondulix tidak dapat mencetak grafik ke %1.</translation>
    </message>
    <message>
        <source>Grafik dikirim ke pencetak</source>
        <translation>Grafik dikirim ke pencetak</translation>
    </message>
    <message>
        <source>Ekspor Nilai</source>
        <translation>Ekspor Nilai</translation>
    </message>
    <message>
        <source>CSV, comma-separated values (*.csv)</source>
        <translation>CSV, nilai dipisah koma (*.csv)</translation>
    </message>
    <message>
        <source>Nilai disimpan: %1</source>
        <translation>Nilai disimpan: %1</translation>
    </message>
    <message>
        <source>. Kini ditampilkan: </source>
        <translation>. Kini ditampilkan: </translation>
    </message>
    <message>
        <source>Diurungkan: </source>
        <translation>Diurungkan: </translation>
    </message>
    <message>
        <source>Ulangi</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Urungkan</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>, lahir </source>
        <translation>, lahir </translation>
    </message>
    <message>
        <source>Ondulix holds at most %1 friends. Remove one before adding %2.</source>
        <translation>Ondulix memuat paling banyak %1 teman. Hapus satu sebelum menambah %2.</translation>
    </message>
    <message>
        <source>Ganti tanggal lahir %1 dari %2 menjadi %3?</source>
        <translation>Ganti tanggal lahir %1 dari %2 menjadi %3?</translation>
    </message>
    <message>
        <source>tambah </source>
        <translation>tambah </translation>
    </message>
    <message>
        <source>Tanggal lahir %1 tetap %2</source>
        <translation>Tanggal lahir %1 tetap %2</translation>
    </message>
    <message>
        <source>tanggal lahir </source>
        <translation>tanggal lahir </translation>
    </message>
    <message>
        <source>Remove ? &quot;%1&quot;</source>
        <translation>Hapus “%1”?</translation>
    </message>
    <message>
        <source>hapus </source>
        <translation>hapus </translation>
    </message>
    <message>
        <source>Simpan tanggal lahir </source>
        <translation>Simpan tanggal lahir </translation>
    </message>
    <message>
        <source>Simpan tanggal lahir Anda</source>
        <translation>Simpan tanggal lahir Anda</translation>
    </message>
    <message>
        <source>Hapus </source>
        <translation>Hapus </translation>
    </message>
    <message>
        <source>Remove </source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Save </source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source> (nama dipotong dari “%1”)</source>
        <translation> (nama dipotong dari “%1”)</translation>
    </message>
    <message>
        <source>baru</source>
        <translation>baru</translation>
    </message>
    <message>
        <source>diperbarui: %1 → %2</source>
        <translation>diperbarui: %1 → %2</translation>
    </message>
    <message>
        <source>sama</source>
        <translation>sama</translation>
    </message>
    <message>
        <source>dilewati: </source>
        <translation>dilewati: </translation>
    </message>
    <message>
        <source>Impor Teman: </source>
        <translation>Impor Teman: </translation>
    </message>
    <message>
        <source>&amp;Urutan tanggal seperti 07/01/1960:</source>
        <translation>&amp;Urutan tanggal seperti 07/01/1960:</translation>
    </message>
    <message>
        <source>hari/bulan/tahun</source>
        <translation>hari/bulan/tahun</translation>
    </message>
    <message>
        <source>bulan/hari/tahun</source>
        <translation>bulan/hari/tahun</translation>
    </message>
    <message>
        <source>tahun/bulan/hari</source>
        <translation>tahun/bulan/hari</translation>
    </message>
    <message>
        <source>Tanggal lahir</source>
        <translation>Tanggal lahir</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Keadaan</translation>
    </message>
    <message>
        <source>Kontak dalam berkas</source>
        <translation>Kontak dalam berkas</translation>
    </message>
    <message>
        <source>&amp;Impor</source>
        <translation>&amp;Impor</translation>
    </message>
    <message>
        <source>Batal</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>%1 kontak: %2 baru, %3 diperbarui, %4 sama, %5 dilewati. %6 dipilih.</source>
        <translation>%1 kontak: %2 baru, %3 diperbarui, %4 sama, %5 dilewati. %6 dipilih.</translation>
    </message>
    <message>
        <source>Tidak ada nama berisi “%1”</source>
        <translation>Tidak ada nama berisi “%1”</translation>
    </message>
    <message>
        <source>Impor Teman</source>
        <translation>Impor Teman</translation>
    </message>
    <message>
        <source>Tidak ada teman yang dapat diimpor dari %1. %2</source>
        <translation>Tidak ada teman yang dapat diimpor dari %1. %2</translation>
    </message>
    <message>
        <source>impor %1 teman</source>
        <translation>impor %1 teman</translation>
    </message>
    <message>
        <source>%1 teman diimpor dari %2</source>
        <translation>%1 teman diimpor dari %2</translation>
    </message>
    <message>
        <source>Disimpan: </source>
        <translation>Disimpan: </translation>
    </message>
    <message>
        <source>Ekspor Teman</source>
        <translation>Ekspor Teman</translation>
    </message>
    <message>
        <source>Ondulix-teman.vcf</source>
        <translation>Ondulix-teman.vcf</translation>
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
        <translation>Ekspor Ulang Tahun</translation>
    </message>
    <message>
        <source>Ondulix-ulang-tahun.ics</source>
        <translation>Ondulix-ulang-tahun.ics</translation>
    </message>
    <message>
        <source>Ulang Tahun Berikutnya</source>
        <translation>Ulang Tahun Berikutnya</translation>
    </message>
    <message>
        <source>Lagi</source>
        <translation>Lagi</translation>
    </message>
    <message>
        <source>Umur</source>
        <translation>Umur</translation>
    </message>
    <message>
        <source>Ulang tahun dalam 30 hari</source>
        <translation>Ulang tahun dalam 30 hari</translation>
    </message>
    <message>
        <source>hari ini</source>
        <translation>hari ini</translation>
    </message>
    <message>
        <source>besok</source>
        <translation>besok</translation>
    </message>
    <message>
        <source>%1 hari lagi</source>
        <translation>%1 hari lagi</translation>
    </message>
    <message>
        <source>%1 tahun</source>
        <translation>%1 tahun</translation>
    </message>
    <message>
        <source>Tidak ada ulang tahun dalam 30 hari ke depan.</source>
        <translation>Tidak ada ulang tahun dalam 30 hari ke depan.</translation>
    </message>
    <message>
        <source>%1 (%2 tahun)</source>
        <translation>%1 (%2 tahun)</translation>
    </message>
    <message>
        <source>Hari ini ulang tahun </source>
        <translation>Hari ini ulang tahun </translation>
    </message>
    <message>
        <source>Ganti Nama Teman</source>
        <translation>Ganti Nama Teman</translation>
    </message>
    <message>
        <source>Nama baru untuk %1:</source>
        <translation>Nama baru untuk %1:</translation>
    </message>
    <message>
        <source>%1 sudah ada di daftar teman.</source>
        <translation>%1 sudah ada di daftar teman.</translation>
    </message>
    <message>
        <source>Nama tidak boleh kosong.</source>
        <translation>Nama tidak boleh kosong.</translation>
    </message>
    <message>
        <source>ganti nama </source>
        <translation>ganti nama </translation>
    </message>
    <message>
        <source>%1 kini bernama %2</source>
        <translation>%1 kini bernama %2</translation>
    </message>
    <message>
        <source>Pintasan Keyboard – Ondulix</source>
        <translation>Pintasan Papan Ketik – Ondulix</translation>
    </message>
    <message>
        <source>Tombol</source>
        <translation>Tombol</translation>
    </message>
    <message>
        <source>Fungsi</source>
        <translation>Fungsi</translation>
    </message>
    <message>
        <source>Pintasan keyboard</source>
        <translation>Pintasan papan ketik</translation>
    </message>
    <message>
        <source>Tentang Ondulix</source>
        <translation>Tentang Ondulix</translation>
    </message>
    <message>
        <source>Menu </source>
        <translation>Menu </translation>
    </message>
    <message>
        <source>Simpan atau hapus teman</source>
        <translation>Simpan atau hapus teman</translation>
    </message>
    <message>
        <source>Kotak nama: simpan nama itu</source>
        <translation>Kotak nama: simpan nama itu</translation>
    </message>
    <message>
        <source>Cetak beberapa bulan</source>
        <translation>Cetak beberapa bulan</translation>
    </message>
    <message>
        <source>Berapa halaman (60 hari tiap halaman)?</source>
        <translation>Berapa halaman (60 hari tiap halaman)?</translation>
    </message>
    <message>
        <source>Berkas %1 tidak dapat ditulis: %2.</source>
        <translation>Berkas %1 tidak dapat ditulis: %2.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Tutup tanpa menyimpan</translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation>Simpan di Tempat Lain...</translation>
    </message>
    <message>
        <source>Settings (*.ini);;All files (*)</source>
        <translation>Pengaturan (*.ini);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>Ondulix could not finish this action: %1.</source>
        <translation>Ondulix tidak dapat menyelesaikan tindakan ini: %1.</translation>
    </message>
    <message>
        <source>Mengerti (Esc)</source>
        <translation>Mengerti (Esc)</translation>
    </message>
    <message>
        <source>Grafik digambar: </source>
        <translation>Grafik digambar: </translation>
    </message>
    <message>
        <source>Tanggal %1 tidak ada di %2 %3: kini tanggal %4</source>
        <translation>Tanggal %1 tidak ada di %2 %3: kini tanggal %4</translation>
    </message>
    <message>
        <source>. Bulan: </source>
        <translation>. Bulan: </translation>
    </message>
    <message>
        <source>sejalan</source>
        <translation>sejalan</translation>
    </message>
    <message>
        <source>%1 %2 hari lebih dulu</source>
        <translation>%1 %2 hari lebih dulu</translation>
    </message>
    <message>
        <source>born </source>
        <translation>lahir </translation>
    </message>
    <message>
        <source>Day since birth (%1)</source>
        <translation>Hari sejak lahir (%1)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Day since birth</source>
        <translation>Hari sejak lahir</translation>
    </message>
    <message>
        <source>Ondulix: %1born %2, 60 days from %3</source>
        <translation>Ondulix: %1lahir %2, 60 hari dari %3</translation>
    </message>
    <message>
        <source>Hari Ulang Tahun saya</source>
        <translation>Hari Ulang Tahun saya</translation>
    </message>
    <message>
        <source>%1 (lahir %2) dan %3 (lahir %4)</source>
        <translation>%1 (lahir %2) dan %3 (lahir %4)</translation>
    </message>
    <message>
        <source>pembanding</source>
        <translation>pembanding</translation>
    </message>
    <message>
        <source>Lahir </source>
        <translation>Lahir </translation>
    </message>
    <message>
        <source> berumur </source>
        <translation> berumur </translation>
    </message>
    <message>
        <source>umur </source>
        <translation>umur </translation>
    </message>
    <message>
        <source>%1 hari pada %2</source>
        <translation>%1 hari pada %2</translation>
    </message>
    <message>
        <source>Pada </source>
        <translation>Pada </translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>: belum lahir</source>
        <translation>: belum lahir</translation>
    </message>
    <message>
        <source>tunggal</source>
        <translation>tunggal</translation>
    </message>
    <message>
        <source>ganda</source>
        <translation>ganda</translation>
    </message>
    <message>
        <source>rangkap tiga</source>
        <translation>rangkap tiga</translation>
    </message>
    <message>
        <source>rangkap empat</source>
        <translation>rangkap empat</translation>
    </message>
    <message>
        <source>Hari kritis </source>
        <translation>Hari kritis </translation>
    </message>
    <message>
        <source>dicetak </source>
        <translation>dicetak </translation>
    </message>
    <message>
        <source>(Hari Ulang Tahun saya)</source>
        <translation>(Hari Ulang Tahun saya)</translation>
    </message>
    <message>
        <source>Lihat teman</source>
        <translation>Lihat teman</translation>
    </message>
    <message>
        <source>Tanggal lahir: bulan</source>
        <translation>Tanggal lahir: bulan</translation>
    </message>
    <message>
        <source>Tanggal lahir: hari</source>
        <translation>Tanggal lahir: hari</translation>
    </message>
    <message>
        <source>Tanggal lahir: tahun</source>
        <translation>Tanggal lahir: tahun</translation>
    </message>
    <message>
        <source>Daftar teman</source>
        <translation>Daftar teman</translation>
    </message>
    <message>
        <source>Nama teman</source>
        <translation>Nama teman</translation>
    </message>
    <message>
        <source>Set tanggal: bulan</source>
        <translation>Atur tanggal: bulan</translation>
    </message>
    <message>
        <source>Set tanggal: hari</source>
        <translation>Atur tanggal: hari</translation>
    </message>
    <message>
        <source>Set tanggal: tahun</source>
        <translation>Atur tanggal: tahun</translation>
    </message>
    <message>
        <source>Hari gambar bulan</source>
        <translation>Hari gambar bulan</translation>
    </message>
    <message>
        <source>Gambar bulan</source>
        <translation>Gambar bulan</translation>
    </message>
    <message>
        <source>Nilai hari</source>
        <translation>Nilai hari</translation>
    </message>
    <message>
        <source>Tiap siklus: 50 × (1 + cos(2π·Δ/T)), dengan Δ selisih hari kedua tanggal lahir dan T panjang siklus: 100 bila kedua kurva sejalan, 0 bila berlawanan; siklus gabungan memakai rata-rata kedua kosinusnya, dan angka keseluruhan rata-rata siklus yang dicentang. Tidak bergantung pada hari yang ditampilkan.</source>
        <translation>Tiap siklus: 50 × (1 + cos(2π·Δ/T)), dengan Δ selisih hari kedua tanggal lahir dan T panjang siklus: 100 bila kedua kurva sejalan, 0 bila berlawanan; siklus gabungan memakai rata-rata kedua kosinusnya, dan angka keseluruhan rata-rata siklus yang dicentang. Tidak bergantung pada hari yang ditampilkan.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Drawn by Ondulix %1</source>
        <translation>Digambar oleh Ondulix %1</translation>
    </message>
    <message>
        <source>Ulang tahun </source>
        <translation>Ulang tahun </translation>
    </message>
    <message>
        <source>Ulang Tahun</source>
        <translation>Ulang Tahun</translation>
    </message>
    <message>
        <source>Berhenti di baris %1: %2.</source>
        <translation>Berhenti di baris %1: %2.</translation>
    </message>
    <message>
        <source>baris lebih dari 64 KB</source>
        <translation>baris lebih dari 64 KB</translation>
    </message>
    <message>
        <source>lebih dari %1 kontak</source>
        <translation>lebih dari %1 kontak</translation>
    </message>
    <message>
        <source>bukan teks UTF-8</source>
        <translation>bukan teks UTF-8</translation>
    </message>
    <message>
        <source>Berkas kosong.</source>
        <translation>Berkas kosong.</translation>
    </message>
    <message>
        <source>Berkas tidak dapat dibuka: %1.</source>
        <translation>Berkas tidak dapat dibuka: %1.</translation>
    </message>
    <message>
        <source>Ini %1, bukan berkas biasa; hanya berkas biasa yang dapat diimpor.</source>
        <translation>Ini %1, bukan berkas biasa; hanya berkas biasa yang dapat diimpor.</translation>
    </message>
    <message>
        <source>Berkas lebih dari 16 MB: terlalu besar untuk daftar kontak.</source>
        <translation>Berkas lebih dari 16 MB: terlalu besar untuk daftar kontak.</translation>
    </message>
    <message>
        <source>tanpa nama</source>
        <translation>tanpa nama</translation>
    </message>
    <message>
        <source>nama entri Anda sendiri</source>
        <translation>nama entri Anda sendiri</translation>
    </message>
    <message>
        <source>tanpa tanggal lahir</source>
        <translation>tanpa tanggal lahir</translation>
    </message>
    <message>
        <source>tanpa tahun</source>
        <translation>tanpa tahun</translation>
    </message>
    <message>
        <source>tanggal tak terbaca: %1</source>
        <translation>tanggal tak terbaca: %1</translation>
    </message>
    <message>
        <source>tanggal ini hanya terbaca dengan urutan lain: %1</source>
        <translation>tanggal ini hanya terbaca dengan urutan lain: %1</translation>
    </message>
    <message>
        <source>tahun %1 di luar %2–%3</source>
        <translation>tahun %1 di luar %2–%3</translation>
    </message>
    <message>
        <source>nama ganda dalam berkas</source>
        <translation>nama ganda dalam berkas</translation>
    </message>
    <message>
        <source>daftar penuh (%1 teman)</source>
        <translation>daftar penuh (%1 teman)</translation>
    </message>
    <message>
        <source>Tanggal lahir %1: %2 → %3</source>
        <translation>Tanggal lahir %1: %2 → %3</translation>
    </message>
    <message>
        <source>%1 ditambahkan, lahir %2</source>
        <translation>%1 ditambahkan, lahir %2</translation>
    </message>
    <message>
        <source>%1 dihapus (lahir %2)</source>
        <translation>%1 dihapus (lahir %2)</translation>
    </message>
    <message>
        <source>kartu terakhir tanpa END:VCARD, tidak dibaca</source>
        <translation>kartu terakhir tanpa END:VCARD, tidak dibaca</translation>
    </message>
    <message>
        <source>Berkas ini bukan vCard: tidak ada BEGIN:VCARD.</source>
        <translation>Berkas ini bukan vCard: tidak ada BEGIN:VCARD.</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made or is not yours</source>
        <translation>berkas kunci %1 tidak dapat dibuat atau bukan milik Anda</translation>
    </message>
    <message>
        <source>the file system of %1 cannot lock</source>
        <translation>sistem berkas %1 tidak dapat mengunci</translation>
    </message>
    <message>
        <source>the lock file %1 keeps changing</source>
        <translation>berkas kunci %1 terus berubah</translation>
    </message>
    <message>
        <source>you have no private folder for its lock</source>
        <translation>Anda tidak punya folder pribadi untuk kuncinya</translation>
    </message>
    <message>
        <source>the folder %1 is not yours alone</source>
        <translation>folder %1 bukan milik Anda sendiri</translation>
    </message>
    <message>
        <source>no lock can make sure that no other copy of Ondulix writes it (%1)</source>
        <translation>tidak ada kunci yang dapat memastikan tidak ada salinan Ondulix lain yang menulisnya (%1)</translation>
    </message>
    <message>
        <source>Ondulix is already running with this settings file. Switch to its window.</source>
        <translation>Ondulix sudah berjalan dengan berkas pengaturan ini. Beralihlah ke jendelanya.</translation>
    </message>
    <message>
        <source>Ondulix is already running with this settings file, but it does not answer. Close it first, or end it if it hangs.</source>
        <translation>Ondulix sudah berjalan dengan berkas pengaturan ini, tetapi tidak menjawab. Tutup dulu, atau hentikan bila macet.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>itu sebuah folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>itu bukan berkas biasa</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ukurannya lebih dari %1 MB</translation>
    </message>
    <message>
        <source>%1 not saved: %2</source>
        <translation>%1 tidak disimpan: %2</translation>
    </message>
    <message>
        <source>Your own birth date &quot;%1&quot; was read as %2.</source>
        <translation>Tanggal lahir Anda sendiri &quot;%1&quot; dibaca sebagai %2.</translation>
    </message>
    <message>
        <source>The birth date &quot;%1&quot; of %2 was read as %3.</source>
        <translation>Tanggal lahir &quot;%1&quot; milik %2 dibaca sebagai %3.</translation>
    </message>
    <message>
        <source>is &quot;%1&quot;, not a whole number from 0 to %2</source>
        <translation>berisi &quot;%1&quot;, bukan bilangan bulat 0 sampai %2</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>&quot;No. of Friends&quot; %1; %2.</source>
        <translation>&quot;No. of Friends&quot; %1; %2.</translation>
    </message>
    <message>
        <source>&quot;No. of Friends&quot; says %1, but the settings file names %2; they are in the list too.</source>
        <translation>&quot;No. of Friends&quot; menyebut %1, tetapi berkas pengaturan menyebut %2; mereka juga ada di daftar.</translation>
    </message>
    <message>
        <source>The settings file holds %1 friends, more than the %2 the list can show; the other %3 stay in the file as they are.</source>
        <translation>Berkas pengaturan berisi %1 teman, lebih dari %2 yang dapat ditampilkan daftar; %3 lainnya tetap di berkas apa adanya.</translation>
    </message>
    <message>
        <source>the folder that holds it</source>
        <translation>folder tempatnya</translation>
    </message>
    <message>
        <source>%1 belongs to another user (%2)</source>
        <translation>%1 milik pengguna lain (%2)</translation>
    </message>
    <message>
        <source>it could not be read when Ondulix started (%1), so Ondulix does not overwrite it</source>
        <translation>berkas itu tidak dapat dibaca saat Ondulix mulai (%1), jadi Ondulix tidak menimpanya</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); Ondulix starts with its defaults and will not overwrite it.</source>
        <translation>Berkas pengaturan %1 tidak dapat dibaca (%2); Ondulix mulai dengan pengaturan bawaan dan tidak akan menimpanya.</translation>
    </message>
    <message>
        <source>Ondulix does not write the settings file %1 while it runs: %2. Your changes are kept until you close it; then you can save them elsewhere.</source>
        <translation>Ondulix tidak menulis berkas pengaturan %1 selama berjalan: %2. Perubahan Anda disimpan sampai Anda menutupnya; lalu Anda dapat menyimpannya di tempat lain.</translation>
    </message>
    <message>
        <source>Ondulix could not save to %1: %2.

The change is kept while Ondulix runs; it will try again when it closes.</source>
        <translation>Ondulix tidak dapat menyimpan ke %1: %2.

Perubahan disimpan selama Ondulix berjalan; Ondulix akan mencoba lagi saat ditutup.</translation>
    </message>
    <message>
        <source>Ondulix could not save your birth dates and friends to %1: %2.

%3, close without saving, or cancel to keep Ondulix open?</source>
        <translation>Ondulix tidak dapat menyimpan tanggal lahir dan teman Anda ke %1: %2.

%3, tutup tanpa menyimpan, atau batal agar Ondulix tetap terbuka?</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba lagi</translation>
    </message>
    <message>
        <source>Save elsewhere</source>
        <translation>Simpan di tempat lain</translation>
    </message>
    <message>
        <source>Grafik: hari sebelumnya</source>
        <translation>Grafik: hari sebelumnya</translation>
    </message>
    <message>
        <source>Grafik: hari berikutnya</source>
        <translation>Grafik: hari berikutnya</translation>
    </message>
    <message>
        <source>Grafik: seminggu sebelumnya</source>
        <translation>Grafik: seminggu sebelumnya</translation>
    </message>
    <message>
        <source>Grafik: seminggu berikutnya</source>
        <translation>Grafik: seminggu berikutnya</translation>
    </message>
    <message>
        <source>Grafik: hari pertama</source>
        <translation>Grafik: hari pertama</translation>
    </message>
    <message>
        <source>Grafik: hari terakhir</source>
        <translation>Grafik: hari terakhir</translation>
    </message>
    <message>
        <source>Belum ada pembanding: pilih seseorang di daftar di bawah atau di menu Bandingkan.</source>
        <translation>Belum ada pembanding: pilih seseorang di daftar di bawah atau di menu Bandingkan.</translation>
    </message>
    <message>
        <source>Kunci grafik</source>
        <translation>Kunci grafik</translation>
    </message>
    <message>
        <source>Garis penuh: %1. Garis putus-putus: %2.</source>
        <translation>Garis penuh: %1. Garis putus-putus: %2.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Gambar PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, double size (*.png)</source>
        <translation>Gambar PNG, ukuran ganda (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Gambar SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokumen PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Kontak (*.vcf *.vcard *.csv);;vCard (*.vcf *.vcard);;CSV (*.csv);;Semua berkas (*)</source>
        <translation>Kontak (*.vcf *.vcard *.csv);;vCard (*.vcf *.vcard);;CSV (*.csv);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>Tidak ada yang berubah: semua yang dipilih sudah ada di daftar.</source>
        <translation>Tidak ada yang berubah: semua yang dipilih sudah ada di daftar.</translation>
    </message>
    <message>
        <source>* Lahir 29 Februari: pada tahun biasa dirayakan 28 Februari.</source>
        <translation>* Lahir 29 Februari: pada tahun biasa dirayakan 28 Februari.</translation>
    </message>
    <message>
        <source>Pilih dulu teman yang akan diganti namanya di daftar teman.</source>
        <translation>Pilih dulu teman yang akan diganti namanya di daftar teman.</translation>
    </message>
    <message>
        <source>Ondulix %1

Menggambar siklus seseorang selama 60 hari dari tanggal lahirnya, dengan fase bulan.

Hak cipta dilindungi undang-undang.

Berkas pengaturan:
%2</source>
        <translation>Ondulix %1

Menggambar siklus seseorang selama 60 hari dari tanggal lahirnya, dengan fase bulan.

Hak cipta dilindungi undang-undang.

Berkas pengaturan:
%2</translation>
    </message>
    <message>
        <source>%1 could not be written either (%2)</source>
        <translation>%1 juga tidak dapat ditulis (%2)</translation>
    </message>
    <message>
        <source>, dipilih</source>
        <translation>, dipilih</translation>
    </message>
    <message>
        <source>, tidak dipilih</source>
        <translation>, tidak dipilih</translation>
    </message>
    <message>
        <source>Selamat datang! Tanggal lahir Anda: pilih &quot;Tanggal Lahir&quot;, pilih tanggalnya, lalu &quot;Save&quot;.</source>
        <translation>Selamat datang! Tanggal lahir Anda: pilih &quot;Tanggal Lahir&quot;, pilih tanggalnya, lalu &quot;Simpan&quot;.</translation>
    </message>
    <message>
        <source>Tanpa pembanding</source>
        <translation>Tanpa pembanding</translation>
    </message>
    <message>
        <source>Dibandingkan dengan </source>
        <translation>Dibandingkan dengan </translation>
    </message>
    <message>
        <source>lebih dari %1 baris</source>
        <translation>lebih dari %1 baris</translation>
    </message>
    <message>
        <source>baris terlalu panjang</source>
        <translation>baris terlalu panjang</translation>
    </message>
    <message>
        <source>tanda petik tidak ditutup</source>
        <translation>tanda petik tidak ditutup</translation>
    </message>
    <message>
        <source>the disk did not take the whole file</source>
        <translation>disk tidak menerima seluruh berkas</translation>
    </message>
    <message>
        <source>%1 is a link that another user made in a folder that is not yours alone; Ondulix does not follow it</source>
        <translation>%1 adalah tautan buatan pengguna lain di folder yang bukan milik Anda sendiri; Ondulix tidak mengikutinya</translation>
    </message>
    <message>
        <source>%1 is a loop of links</source>
        <translation>%1 adalah lingkaran tautan</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 adalah folder</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>berkas itu hanya-baca</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>folder %1 tidak ada</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>folder %1 hanya-baca</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>izin ditolak</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>tindakan tidak diizinkan</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>ruang disk habis</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>kuota disk terlampaui</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>sistem berkas hanya-baca</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>berkas atau folder tidak ada</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>itu sebuah folder</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>bukan folder</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>galat masukan/keluaran</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>terlalu banyak tingkat tautan simbolik</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>nama berkas terlalu panjang</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>berkas terlalu besar</translation>
    </message>
</context>
</TS>
