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
</context>
</TS>
