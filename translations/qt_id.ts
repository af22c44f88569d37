<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>QAbstractFileIconProvider</name>
    <message><source>%1 File</source><translation>Berkas %1</translation></message>
    <message><source>Alias</source><comment>All other platforms</comment><translation>Alias</translation></message>
    <message><source>Drive</source><translation>Diska</translation></message>
    <message><source>File</source><translation>Berkas</translation></message>
    <message><source>Folder</source><comment>All other platforms</comment><translation>Folder</translation></message>
    <message><source>Shortcut</source><comment>All other platforms</comment><translation>Pintasan</translation></message>
    <message><source>Unknown</source><translation>Tidak dikenal</translation></message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message><source>&amp;Select All</source><translation>&amp;Pilih Semua</translation></message>
    <message><source>&amp;Step up</source><translation>&amp;Naikkan</translation></message>
    <message><source>Step &amp;down</source><translation>T&amp;urunkan</translation></message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message><source>Banner Pages</source><translation>Halaman Sampul</translation></message>
    <message><source>Billing information:</source><translation>Informasi tagihan:</translation></message>
    <message><source>Classified</source><comment>CUPS Banner page</comment><translation>Terbatas</translation></message>
    <message><source>Confidential</source><comment>CUPS Banner page</comment><translation>Rahasia</translation></message>
    <message><source>Day (06:00 to 17:59)</source><translation>Siang (06.00 sampai 17.59)</translation></message>
    <message><source>End:</source><comment>Banner page at end</comment><translation>Akhir:</translation></message>
    <message><source>Hold Indefinitely</source><translation>Tahan tanpa batas</translation></message>
    <message><source>Job</source><translation>Tugas Cetak</translation></message>
    <message><source>Job Control</source><translation>Kendali Tugas Cetak</translation></message>
    <message><source>Job priority:</source><translation>Prioritas tugas:</translation></message>
    <message><source>Night (18:00 to 05:59)</source><translation>Malam (18.00 sampai 05.59)</translation></message>
    <message><source>None</source><comment>CUPS Banner page</comment><translation>Tidak ada</translation></message>
    <message><source>Print Immediately</source><translation>Cetak Segera</translation></message>
    <message><source>Scheduled printing:</source><translation>Cetak terjadwal:</translation></message>
    <message><source>Second Shift (16:00 to 23:59)</source><translation>Giliran Kedua (16.00 sampai 23.59)</translation></message>
    <message><source>Secret</source><comment>CUPS Banner page</comment><translation>Sangat Rahasia</translation></message>
    <message><source>Specific Time</source><translation>Waktu Tertentu</translation></message>
    <message><source>Standard</source><comment>CUPS Banner page</comment><translation>Standar</translation></message>
    <message><source>Start:</source><comment>Banner page at start</comment><translation>Awal:</translation></message>
    <message><source>Third Shift (00:00 to 07:59)</source><translation>Giliran Ketiga (00.00 sampai 07.59)</translation></message>
    <message><source>Top Secret</source><comment>CUPS Banner page</comment><translation>Amat Sangat Rahasia</translation></message>
    <message><source>Unclassified</source><comment>CUPS Banner page</comment><translation>Tidak Terbatas</translation></message>
    <message><source>Weekend (Saturday to Sunday)</source><translation>Akhir Pekan (Sabtu sampai Minggu)</translation></message>
</context>
<context>
    <name>QFileDialog</name>
    <message><source>%1
Directory not found.
Please verify the correct directory name was given.</source><translation>%1
Folder tidak ditemukan.
Periksa apakah nama foldernya benar.</translation></message>
    <message><source>%1
File not found.
Please verify the correct file name was given.</source><translation>%1
Berkas tidak ditemukan.
Periksa apakah nama berkasnya benar.</translation></message>
    <message><source>%1 already exists.
Do you want to replace it?</source><translation>%1 sudah ada.
Ganti dengan yang baru?</translation></message>
    <message><source>&amp;Choose</source><translation>&amp;Pilih</translation></message>
    <message><source>&amp;Delete</source><translation>&amp;Hapus</translation></message>
    <message><source>&amp;New Folder</source><translation>Folder &amp;Baru</translation></message>
    <message><source>&amp;Open</source><translation>&amp;Buka</translation></message>
    <message><source>&amp;Rename</source><translation>&amp;Ganti Nama</translation></message>
    <message><source>&amp;Save</source><translation>&amp;Simpan</translation></message>
    <message><source>'%1' is write protected.
Do you want to delete it anyway?</source><translation>'%1' dilindungi dari penulisan.
Tetap hapus?</translation></message>
    <message><source>All Files (*)</source><translation>Semua Berkas (*)</translation></message>
    <message><source>All files (*)</source><translation>Semua berkas (*)</translation></message>
    <message><source>Alt+Left</source><translation>Alt+Left</translation></message>
    <message><source>Alt+Right</source><translation>Alt+Right</translation></message>
    <message><source>Alt+Up</source><translation>Alt+Up</translation></message>
    <message><source>Are you sure you want to delete '%1'?</source><translation>Yakin akan menghapus '%1'?</translation></message>
    <message><source>Back</source><translation>Mundur</translation></message>
    <message><source>Change to detail view mode</source><translation>Ganti ke tampilan rinci</translation></message>
    <message><source>Change to list view mode</source><translation>Ganti ke tampilan daftar</translation></message>
    <message><source>Could not delete directory.</source><translation>Folder tidak dapat dihapus.</translation></message>
    <message><source>Create New Folder</source><translation>Buat Folder Baru</translation></message>
    <message><source>Create a New Folder</source><translation>Buat folder baru</translation></message>
    <message><source>Detail View</source><translation>Tampilan Rinci</translation></message>
    <message><source>Directories</source><translation>Folder</translation></message>
    <message><source>Directory:</source><translation>Folder:</translation></message>
    <message><source>File &amp;name:</source><translation>&amp;Nama berkas:</translation></message>
    <message><source>Files</source><translation>Berkas</translation></message>
    <message><source>Files of type:</source><translation>Jenis berkas:</translation></message>
    <message><source>Find Directory</source><translation>Cari Folder</translation></message>
    <message><source>Forward</source><translation>Maju</translation></message>
    <message><source>Go back</source><translation>Kembali</translation></message>
    <message><source>Go forward</source><translation>Maju</translation></message>
    <message><source>Go to the parent directory</source><translation>Ke folder induk</translation></message>
    <message><source>List View</source><translation>Tampilan Daftar</translation></message>
    <message><source>List of places and bookmarks</source><translation>Daftar tempat dan markah</translation></message>
    <message><source>Look in:</source><translation>Lihat di:</translation></message>
    <message><source>New Folder</source><translation>Folder Baru</translation></message>
    <message><source>Open</source><translation>Buka</translation></message>
    <message><source>Parent Directory</source><translation>Folder Induk</translation></message>
    <message><source>Recent Places</source><translation>Tempat Terkini</translation></message>
    <message><source>Remove</source><translation>Hapus</translation></message>
    <message><source>Save As</source><translation>Simpan Sebagai</translation></message>
    <message><source>Show </source><translation>Tampilkan </translation></message>
    <message><source>Show &amp;hidden files</source><translation>Tampilkan berkas &amp;tersembunyi</translation></message>
    <message><source>Sidebar</source><translation>Panel samping</translation></message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message><source>&lt;b&gt;The name "%1" cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source><translation>&lt;b&gt;Nama "%1" tidak dapat dipakai.&lt;/b&gt;&lt;p&gt;Coba nama lain, dengan lebih sedikit huruf atau tanpa tanda baca.</translation></message>
    <message><source>Computer</source><translation>Komputer</translation></message>
    <message><source>Date Modified</source><translation>Tanggal Diubah</translation></message>
    <message><source>Invalid filename</source><translation>Nama berkas tidak sah</translation></message>
    <message><source>My Computer</source><translation>Komputer Saya</translation></message>
    <message><source>Name</source><translation>Nama</translation></message>
    <message><source>Size</source><translation>Ukuran</translation></message>
    <message><source>Type</source><comment>All other platforms</comment><translation>Jenis</translation></message>
</context>
<context>
    <name>QInputDialog</name>
    <message><source>Enter a value:</source><translation>Masukkan nilai:</translation></message>
</context>
<context>
    <name>QLineEdit</name>
    <message><source>&amp;Copy</source><translation>&amp;Salin</translation></message>
    <message><source>&amp;Paste</source><translation>&amp;Tempel</translation></message>
    <message><source>&amp;Redo</source><translation>&amp;Ulangi</translation></message>
    <message><source>&amp;Undo</source><translation>&amp;Batalkan</translation></message>
    <message><source>Cu&amp;t</source><translation>Po&amp;tong</translation></message>
    <message><source>Delete</source><translation>Hapus</translation></message>
    <message><source>Select All</source><translation>Pilih Semua</translation></message>
</context>
<context>
    <name>QLocale</name>
    <message><source>bytes</source><translation>bita</translation></message>
</context>
<context>
    <name>QMessageBox</name>
    <message><source>Hide Details...</source><translation>Sembunyikan Rincian...</translation></message>
    <message><source>Show Details...</source><translation>Tampilkan Rincian...</translation></message>
</context>
<context>
    <name>QPageSetupDialog</name>
    <message><source>Page Setup</source><translation>Tata Halaman</translation></message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message><source>Centimeters (cm)</source><translation>Sentimeter (cm)</translation></message>
    <message><source>Cicero (CC)</source><translation>Cicero (CC)</translation></message>
    <message><source>Custom</source><translation>Khusus</translation></message>
    <message><source>Didot (DD)</source><translation>Didot (DD)</translation></message>
    <message><source>Form</source><translation>Formulir</translation></message>
    <message><source>Height:</source><translation>Tinggi:</translation></message>
    <message><source>Inches (in)</source><translation>Inci (in)</translation></message>
    <message><source>Landscape</source><translation>Mendatar</translation></message>
    <message><source>Margins</source><translation>Margin</translation></message>
    <message><source>Millimeters (mm)</source><translation>Milimeter (mm)</translation></message>
    <message><source>Orientation</source><translation>Orientasi</translation></message>
    <message><source>Page Layout</source><translation>Tata Letak Halaman</translation></message>
    <message><source>Page order:</source><translation>Urutan halaman:</translation></message>
    <message><source>Page size:</source><translation>Ukuran kertas:</translation></message>
    <message><source>Pages per sheet:</source><translation>Halaman per lembar:</translation></message>
    <message><source>Paper</source><translation>Kertas</translation></message>
    <message><source>Paper source:</source><translation>Sumber kertas:</translation></message>
    <message><source>Pica (P̸)</source><translation>Pica (P̸)</translation></message>
    <message><source>Points (pt)</source><translation>Poin (pt)</translation></message>
    <message><source>Portrait</source><translation>Tegak</translation></message>
    <message><source>Reverse landscape</source><translation>Mendatar terbalik</translation></message>
    <message><source>Reverse portrait</source><translation>Tegak terbalik</translation></message>
    <message><source>Width:</source><translation>Lebar:</translation></message>
    <message><source>bottom margin</source><translation>margin bawah</translation></message>
    <message><source>left margin</source><translation>margin kiri</translation></message>
    <message><source>mm</source><translation>mm</translation></message>
    <message><source>right margin</source><translation>margin kanan</translation></message>
    <message><source>top margin</source><translation>margin atas</translation></message>
</context>
<context>
    <name>QPageSize</name>
    <message><source>%1 x %2 in</source><translation>%1 x %2 in</translation></message>
    <message><source>A0</source><translation>A0</translation></message>
    <message><source>A1</source><translation>A1</translation></message>
    <message><source>A10</source><translation>A10</translation></message>
    <message><source>A2</source><translation>A2</translation></message>
    <message><source>A3</source><translation>A3</translation></message>
    <message><source>A3 Extra</source><translation>A3 Ekstra</translation></message>
    <message><source>A4</source><translation>A4</translation></message>
    <message><source>A4 Extra</source><translation>A4 Ekstra</translation></message>
    <message><source>A4 Plus</source><translation>A4 Plus</translation></message>
    <message><source>A4 Small</source><translation>A4 Kecil</translation></message>
    <message><source>A5</source><translation>A5</translation></message>
    <message><source>A5 Extra</source><translation>A5 Ekstra</translation></message>
    <message><source>A6</source><translation>A6</translation></message>
    <message><source>A7</source><translation>A7</translation></message>
    <message><source>A8</source><translation>A8</translation></message>
    <message><source>A9</source><translation>A9</translation></message>
    <message><source>ANSI C</source><translation>ANSI C</translation></message>
    <message><source>ANSI D</source><translation>ANSI D</translation></message>
    <message><source>ANSI E</source><translation>ANSI E</translation></message>
    <message><source>Architect A</source><translation>Arsitek A</translation></message>
    <message><source>Architect B</source><translation>Arsitek B</translation></message>
    <message><source>Architect C</source><translation>Arsitek C</translation></message>
    <message><source>Architect D</source><translation>Arsitek D</translation></message>
    <message><source>Architect E</source><translation>Arsitek E</translation></message>
    <message><source>B0</source><translation>B0</translation></message>
    <message><source>B1</source><translation>B1</translation></message>
    <message><source>B10</source><translation>B10</translation></message>
    <message><source>B2</source><translation>B2</translation></message>
    <message><source>B3</source><translation>B3</translation></message>
    <message><source>B4</source><translation>B4</translation></message>
    <message><source>B5</source><translation>B5</translation></message>
    <message><source>B5 Extra</source><translation>B5 Ekstra</translation></message>
    <message><source>B6</source><translation>B6</translation></message>
    <message><source>B7</source><translation>B7</translation></message>
    <message><source>B8</source><translation>B8</translation></message>
    <message><source>B9</source><translation>B9</translation></message>
    <message><source>Custom</source><translation>Khusus</translation></message>
    <message><source>Custom (%1CC x %2CC)</source><translation>Khusus (%1CC x %2CC)</translation></message>
    <message><source>Custom (%1DD x %2DD)</source><translation>Khusus (%1DD x %2DD)</translation></message>
    <message><source>Custom (%1in x %2in)</source><translation>Khusus (%1in x %2in)</translation></message>
    <message><source>Custom (%1mm x %2mm)</source><translation>Khusus (%1mm x %2mm)</translation></message>
    <message><source>Custom (%1pc x %2pc)</source><translation>Khusus (%1pc x %2pc)</translation></message>
    <message><source>Custom (%1pt x %2pt)</source><translation>Khusus (%1pt x %2pt)</translation></message>
    <message><source>Double Postcard</source><translation>Kartu Pos Ganda</translation></message>
    <message><source>Envelope B4</source><translation>Amplop B4</translation></message>
    <message><source>Envelope B5</source><translation>Amplop B5</translation></message>
    <message><source>Envelope B6</source><translation>Amplop B6</translation></message>
    <message><source>Envelope C0</source><translation>Amplop C0</translation></message>
    <message><source>Envelope C1</source><translation>Amplop C1</translation></message>
    <message><source>Envelope C2</source><translation>Amplop C2</translation></message>
    <message><source>Envelope C3</source><translation>Amplop C3</translation></message>
    <message><source>Envelope C4</source><translation>Amplop C4</translation></message>
    <message><source>Envelope C5</source><translation>Amplop C5</translation></message>
    <message><source>Envelope C6</source><translation>Amplop C6</translation></message>
    <message><source>Envelope C65</source><translation>Amplop C65</translation></message>
    <message><source>Envelope C7</source><translation>Amplop C7</translation></message>
    <message><source>Envelope Chou 3</source><translation>Amplop Chou 3</translation></message>
    <message><source>Envelope Chou 4</source><translation>Amplop Chou 4</translation></message>
    <message><source>Envelope DL</source><translation>Amplop DL</translation></message>
    <message><source>Envelope Invite</source><translation>Amplop Undangan</translation></message>
    <message><source>Envelope Italian</source><translation>Amplop Italia</translation></message>
    <message><source>Envelope Kaku 2</source><translation>Amplop Kaku 2</translation></message>
    <message><source>Envelope Kaku 3</source><translation>Amplop Kaku 3</translation></message>
    <message><source>Envelope Monarch</source><translation>Amplop Monarch</translation></message>
    <message><source>Envelope PRC 1</source><translation>Amplop PRC 1</translation></message>
    <message><source>Envelope PRC 10</source><translation>Amplop PRC 10</translation></message>
    <message><source>Envelope PRC 2</source><translation>Amplop PRC 2</translation></message>
    <message><source>Envelope PRC 3</source><translation>Amplop PRC 3</translation></message>
    <message><source>Envelope PRC 4</source><translation>Amplop PRC 4</translation></message>
    <message><source>Envelope PRC 5</source><translation>Amplop PRC 5</translation></message>
    <message><source>Envelope PRC 6</source><translation>Amplop PRC 6</translation></message>
    <message><source>Envelope PRC 7</source><translation>Amplop PRC 7</translation></message>
    <message><source>Envelope PRC 8</source><translation>Amplop PRC 8</translation></message>
    <message><source>Envelope PRC 9</source><translation>Amplop PRC 9</translation></message>
    <message><source>Envelope Personal</source><translation>Amplop Pribadi</translation></message>
    <message><source>Envelope US 10</source><translation>Amplop US 10</translation></message>
    <message><source>Envelope US 11</source><translation>Amplop US 11</translation></message>
    <message><source>Envelope US 12</source><translation>Amplop US 12</translation></message>
    <message><source>Envelope US 14</source><translation>Amplop US 14</translation></message>
    <message><source>Envelope US 9</source><translation>Amplop US 9</translation></message>
    <message><source>Executive (7.25 x 10.5 in)</source><translation>Executive (7.25 x 10.5 in)</translation></message>
    <message><source>Executive (7.5 x 10 in)</source><translation>Executive (7.5 x 10 in)</translation></message>
    <message><source>Fan-fold German (8.5 x 12 in)</source><translation>Lipat-kipas Jerman (8.5 x 12 in)</translation></message>
    <message><source>Fan-fold German Legal (8.5 x 13 in)</source><translation>Lipat-kipas Jerman Legal (8.5 x 13 in)</translation></message>
    <message><source>Fan-fold US (14.875 x 11 in)</source><translation>Lipat-kipas AS (14.875 x 11 in)</translation></message>
    <message><source>Folio (8.27 x 13 in)</source><translation>Folio (8.27 x 13 in)</translation></message>
    <message><source>JIS B0</source><translation>JIS B0</translation></message>
    <message><source>JIS B1</source><translation>JIS B1</translation></message>
    <message><source>JIS B10</source><translation>JIS B10</translation></message>
    <message><source>JIS B2</source><translation>JIS B2</translation></message>
    <message><source>JIS B3</source><translation>JIS B3</translation></message>
    <message><source>JIS B4</source><translation>JIS B4</translation></message>
    <message><source>JIS B5</source><translation>JIS B5</translation></message>
    <message><source>JIS B6</source><translation>JIS B6</translation></message>
    <message><source>JIS B7</source><translation>JIS B7</translation></message>
    <message><source>JIS B8</source><translation>JIS B8</translation></message>
    <message><source>JIS B9</source><translation>JIS B9</translation></message>
    <message><source>Ledger / ANSI B</source><translation>Ledger / ANSI B</translation></message>
    <message><source>Legal</source><translation>Legal</translation></message>
    <message><source>Legal Extra</source><translation>Legal Ekstra</translation></message>
    <message><source>Letter / ANSI A</source><translation>Letter / ANSI A</translation></message>
    <message><source>Letter Extra</source><translation>Letter Ekstra</translation></message>
    <message><source>Letter Plus</source><translation>Letter Plus</translation></message>
    <message><source>Letter Small</source><translation>Letter Kecil</translation></message>
    <message><source>Note</source><translation>Catatan</translation></message>
    <message><source>PRC 16K</source><translation>PRC 16K</translation></message>
    <message><source>PRC 32K</source><translation>PRC 32K</translation></message>
    <message><source>PRC 32K Big</source><translation>PRC 32K Besar</translation></message>
    <message><source>Postcard</source><translation>Kartu Pos</translation></message>
    <message><source>Quarto</source><translation>Quarto</translation></message>
    <message><source>Statement</source><translation>Statement</translation></message>
    <message><source>Super A</source><translation>Super A</translation></message>
    <message><source>Super B</source><translation>Super B</translation></message>
    <message><source>Tabloid / ANSI B</source><translation>Tabloid / ANSI B</translation></message>
    <message><source>Tabloid Extra</source><translation>Tabloid Ekstra</translation></message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message><source>&amp;No</source><translation>&amp;Tidak</translation></message>
    <message><source>&amp;Yes</source><translation>&amp;Ya</translation></message>
    <message><source>Abort</source><translation>Batalkan</translation></message>
    <message><source>Apply</source><translation>Terapkan</translation></message>
    <message><source>Cancel</source><translation>Batal</translation></message>
    <message><source>Close</source><translation>Tutup</translation></message>
    <message><source>Discard</source><translation>Buang</translation></message>
    <message><source>Help</source><translation>Bantuan</translation></message>
    <message><source>Ignore</source><translation>Abaikan</translation></message>
    <message><source>N&amp;o to All</source><translation>Tidak untuk S&amp;emua</translation></message>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>Open</source><translation>Buka</translation></message>
    <message><source>Reset</source><translation>Setel Ulang</translation></message>
    <message><source>Restore Defaults</source><translation>Kembalikan Bawaan</translation></message>
    <message><source>Retry</source><translation>Coba Lagi</translation></message>
    <message><source>Save</source><translation>Simpan</translation></message>
    <message><source>Save All</source><translation>Simpan Semua</translation></message>
    <message><source>Yes to &amp;All</source><translation>Ya untuk &amp;Semua</translation></message>
</context>
<context>
    <name>QPrintDialog</name>
    <message><source>%1 already exists.
Do you want to overwrite it?</source><translation>%1 sudah ada.
Timpa berkas itu?</translation></message>
    <message><source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source><translation>%1 tidak mengikuti susunan yang benar. Pakai ',' untuk memisahkan rentang dan halaman, '-' untuk menyatakan rentang, dan pastikan rentang tidak saling bertumpuk.</translation></message>
    <message><source>%1 is a directory.
Please choose a different file name.</source><translation>%1 adalah folder.
Pilih nama berkas lain.</translation></message>
    <message><source>&amp;Options &lt;&lt;</source><translation>&amp;Pilihan &lt;&lt;</translation></message>
    <message><source>&amp;Options &gt;&gt;</source><translation>&amp;Pilihan &gt;&gt;</translation></message>
    <message><source>&amp;Print</source><translation>&amp;Cetak</translation></message>
    <message><source>1 (1x1)</source><translation>1 (1x1)</translation></message>
    <message><source>16 (4x4)</source><translation>16 (4x4)</translation></message>
    <message><source>2 (2x1)</source><translation>2 (2x1)</translation></message>
    <message><source>4 (2x2)</source><translation>4 (2x2)</translation></message>
    <message><source>6 (2x3)</source><translation>6 (2x3)</translation></message>
    <message><source>9 (3x3)</source><translation>9 (3x3)</translation></message>
    <message><source>All Pages</source><translation>Semua Halaman</translation></message>
    <message><source>Bottom to Top, Left to Right</source><translation>Bawah ke atas, kiri ke kanan</translation></message>
    <message><source>Bottom to Top, Right to Left</source><translation>Bawah ke atas, kanan ke kiri</translation></message>
    <message><source>Conflicting options</source><translation>Pilihan bertentangan</translation></message>
    <message><source>Even Pages</source><translation>Halaman Genap</translation></message>
    <message><source>File %1 is not writable.
Please choose a different file name.</source><translation>Berkas %1 tidak dapat ditulis.
Pilih nama berkas lain.</translation></message>
    <message><source>Invalid Pages Definition</source><translation>Rentang Halaman Tidak Sah</translation></message>
    <message><source>Left to Right, Bottom to Top</source><translation>Kiri ke kanan, bawah ke atas</translation></message>
    <message><source>Left to Right, Top to Bottom</source><translation>Kiri ke kanan, atas ke bawah</translation></message>
    <message><source>Local file</source><translation>Berkas lokal</translation></message>
    <message><source>Odd Pages</source><translation>Halaman Ganjil</translation></message>
    <message><source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source><translation>Pilihan 'Halaman per lembar' dan 'Set halaman' tidak dapat dipakai bersama.
Matikan salah satunya.</translation></message>
    <message><source>Print</source><translation>Cetak</translation></message>
    <message><source>Print To File ...</source><translation>Cetak ke Berkas ...</translation></message>
    <message><source>Print to File (PDF)</source><translation>Cetak ke Berkas (PDF)</translation></message>
    <message><source>Right to Left, Bottom to Top</source><translation>Kanan ke kiri, bawah ke atas</translation></message>
    <message><source>Right to Left, Top to Bottom</source><translation>Kanan ke kiri, atas ke bawah</translation></message>
    <message><source>There are conflicts in duplex settings. Do you want to fix them?</source><translation>Ada pertentangan dalam pengaturan cetak bolak-balik. Perbaiki?</translation></message>
    <message><source>There are conflicts in some options. Please fix them.</source><translation>Ada pilihan yang saling bertentangan. Perbaiki dulu.</translation></message>
    <message><source>Top to Bottom, Left to Right</source><translation>Atas ke bawah, kiri ke kanan</translation></message>
    <message><source>Top to Bottom, Right to Left</source><translation>Atas ke bawah, kanan ke kiri</translation></message>
    <message><source>Write PDF file</source><translation>Tulis berkas PDF</translation></message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message><source>%1%</source><translation>%1%</translation></message>
    <message><source>Export to PDF</source><translation>Ekspor ke PDF</translation></message>
    <message><source>First page</source><translation>Halaman pertama</translation></message>
    <message><source>Fit page</source><translation>Sesuaikan halaman</translation></message>
    <message><source>Fit width</source><translation>Sesuaikan lebar</translation></message>
    <message><source>Landscape</source><translation>Mendatar</translation></message>
    <message><source>Last page</source><translation>Halaman terakhir</translation></message>
    <message><source>Next page</source><translation>Halaman berikutnya</translation></message>
    <message><source>Page Setup</source><translation>Tata Halaman</translation></message>
    <message><source>Page setup</source><translation>Tata halaman</translation></message>
    <message><source>Portrait</source><translation>Tegak</translation></message>
    <message><source>Previous page</source><translation>Halaman sebelumnya</translation></message>
    <message><source>Print</source><translation>Cetak</translation></message>
    <message><source>Print Preview</source><translation>Pratinjau Cetak</translation></message>
    <message><source>Show facing pages</source><translation>Tampilkan halaman berhadapan</translation></message>
    <message><source>Show overview of all pages</source><translation>Tampilkan ikhtisar semua halaman</translation></message>
    <message><source>Show single page</source><translation>Tampilkan satu halaman</translation></message>
    <message><source>Zoom in</source><translation>Perbesar</translation></message>
    <message><source>Zoom out</source><translation>Perkecil</translation></message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message><source>Conflicting Options</source><translation>Pilihan Bertentangan</translation></message>
    <message><source>Job Options</source><translation>Pilihan Tugas Cetak</translation></message>
    <message><source>Printer Properties</source><translation>Properti Pencetak</translation></message>
    <message><source>There are conflicts in page setup options. Do you want to fix them?</source><translation>Ada pertentangan dalam pilihan tata halaman. Perbaiki?</translation></message>
    <message><source>There are conflicts in some advanced options. Do you want to fix them?</source><translation>Ada pertentangan dalam pilihan lanjutan. Perbaiki?</translation></message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message><source>Advanced</source><translation>Lanjutan</translation></message>
    <message><source>Form</source><translation>Formulir</translation></message>
    <message><source>Page</source><translation>Halaman</translation></message>
    <message><source>There are conflicts in some options. Please fix them.</source><translation>Ada pilihan yang saling bertentangan. Perbaiki dulu.</translation></message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message><source>Collate</source><translation>Susun</translation></message>
    <message><source>Color</source><translation>Berwarna</translation></message>
    <message><source>Color Mode</source><translation>Mode Warna</translation></message>
    <message><source>Copies</source><translation>Salinan</translation></message>
    <message><source>Copies:</source><translation>Salinan:</translation></message>
    <message><source>Current Page</source><translation>Halaman Ini</translation></message>
    <message><source>Double Sided Printing</source><translation>Cetak Bolak-balik</translation></message>
    <message><source>Form</source><translation>Formulir</translation></message>
    <message><source>Grayscale</source><translation>Skala abu-abu</translation></message>
    <message><source>Long side binding</source><translation>Jilid sisi panjang</translation></message>
    <message><source>Off</source><translation>Mati</translation></message>
    <message><source>Options</source><translation>Pilihan</translation></message>
    <message><source>Output Settings</source><translation>Pengaturan Keluaran</translation></message>
    <message><source>Page Set:</source><translation>Set halaman:</translation></message>
    <message><source>Pages</source><translation>Halaman</translation></message>
    <message><source>Pages from</source><translation>Halaman dari</translation></message>
    <message><source>Print all</source><translation>Cetak semua</translation></message>
    <message><source>Print range</source><translation>Rentang cetak</translation></message>
    <message><source>Reverse</source><translation>Urutan terbalik</translation></message>
    <message><source>Selection</source><translation>Pilihan teks</translation></message>
    <message><source>Short side binding</source><translation>Jilid sisi pendek</translation></message>
    <message><source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source><translation>Tulis halaman atau rentang, dipisah koma. Rentang ditulis dengan dua angka dipisah tanda hubung. Misalnya 3,5-7,9 mencetak halaman 3, 5, 6, 7 dan 9.</translation></message>
    <message><source>to</source><translation>sampai</translation></message>
</context>
<context>
    <name>QPrintWidget</name>
    <message><source>&amp;Name:</source><translation>&amp;Nama:</translation></message>
    <message><source>...</source><translation>...</translation></message>
    <message><source>Form</source><translation>Formulir</translation></message>
    <message><source>Location:</source><translation>Lokasi:</translation></message>
    <message><source>Output &amp;file:</source><translation>&amp;Berkas keluaran:</translation></message>
    <message><source>P&amp;roperties</source><translation>P&amp;roperti</translation></message>
    <message><source>Preview</source><translation>Pratinjau</translation></message>
    <message><source>Printer</source><translation>Pencetak</translation></message>
    <message><source>Type:</source><translation>Jenis:</translation></message>
</context>
<context>
    <name>QScrollBar</name>
    <message><source>Bottom</source><translation>Bawah</translation></message>
    <message><source>Left edge</source><translation>Tepi kiri</translation></message>
    <message><source>Page down</source><translation>Satu halaman ke bawah</translation></message>
    <message><source>Page left</source><translation>Satu halaman ke kiri</translation></message>
    <message><source>Page right</source><translation>Satu halaman ke kanan</translation></message>
    <message><source>Page up</source><translation>Satu halaman ke atas</translation></message>
    <message><source>Right edge</source><translation>Tepi kanan</translation></message>
    <message><source>Scroll down</source><translation>Gulir ke bawah</translation></message>
    <message><source>Scroll here</source><translation>Gulir ke sini</translation></message>
    <message><source>Scroll left</source><translation>Gulir ke kiri</translation></message>
    <message><source>Scroll right</source><translation>Gulir ke kanan</translation></message>
    <message><source>Scroll up</source><translation>Gulir ke atas</translation></message>
    <message><source>Top</source><translation>Atas</translation></message>
</context>
<context>
    <name>QShortcut</name>
    <message><source>Down</source><translation>Bawah</translation></message>
    <message><source>Left</source><translation>Kiri</translation></message>
    <message><source>PgDown</source><translation>PgDown</translation></message>
    <message><source>PgUp</source><translation>PgUp</translation></message>
    <message><source>Right</source><translation>Kanan</translation></message>
    <message><source>Space</source><translation>Spasi</translation></message>
    <message><source>Up</source><translation>Atas</translation></message>
</context>
<context>
    <name>QTabBar</name>
    <message><source>Scroll Left</source><translation>Gulir ke Kiri</translation></message>
    <message><source>Scroll Right</source><translation>Gulir ke Kanan</translation></message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message><source>&amp;Copy</source><translation>&amp;Salin</translation></message>
    <message><source>&amp;Paste</source><translation>&amp;Tempel</translation></message>
    <message><source>&amp;Redo</source><translation>&amp;Ulangi</translation></message>
    <message><source>&amp;Undo</source><translation>&amp;Batalkan</translation></message>
    <message><source>Copy &amp;Link Location</source><translation>Salin Alamat &amp;Tautan</translation></message>
    <message><source>Cu&amp;t</source><translation>Po&amp;tong</translation></message>
    <message><source>Delete</source><translation>Hapus</translation></message>
    <message><source>Select All</source><translation>Pilih Semua</translation></message>
</context>
</TS>
