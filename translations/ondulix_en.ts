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
</context>
</TS>
