<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>Save</source><translation>Simpan</translation></message>
    <message><source>Save All</source><translation>Simpan Semua</translation></message>
    <message><source>Open</source><translation>Buka</translation></message>
    <message><source>&amp;Yes</source><translation>&amp;Ya</translation></message>
    <message><source>Yes to &amp;All</source><translation>Ya untuk &amp;Semua</translation></message>
    <message><source>&amp;No</source><translation>&amp;Tidak</translation></message>
    <message><source>N&amp;o to All</source><translation>Tidak untuk S&amp;emua</translation></message>
    <message><source>Abort</source><translation>Batalkan</translation></message>
    <message><source>Retry</source><translation>Coba Lagi</translation></message>
    <message><source>Ignore</source><translation>Abaikan</translation></message>
    <message><source>Close</source><translation>Tutup</translation></message>
    <message><source>Cancel</source><translation>Batal</translation></message>
    <message><source>Discard</source><translation>Buang</translation></message>
    <message><source>Help</source><translation>Bantuan</translation></message>
    <message><source>Apply</source><translation>Terapkan</translation></message>
    <message><source>Reset</source><translation>Setel Ulang</translation></message>
    <message><source>Restore Defaults</source><translation>Kembalikan Bawaan</translation></message>
</context>
</TS>
