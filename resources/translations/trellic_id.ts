<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>kosong</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, gilirannya</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; for any other</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>Version %1</source>
        <extracomment>The version line of the splash and About windows; %1 is the version, &quot;1.0.0&quot;</extracomment>
        <translation>Versi %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informasi sistem tidak tersedia saat ini</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;Sistem...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, dibuat oleh Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Peringatan: objek di layar tampak lebih dekat daripada yang sebenarnya.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Tentang %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Yang kalah selalu mulai lebih dulu.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Pemain 1 dan pemain 2 bergantian mengisi kotak dengan X atau O. Pemenangnya adalah yang pertama mendapat tiga X atau tiga O berderet.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Hak cipta</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Peringatan: objek di layar tampak lebih dekat daripada yang sebenarnya.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Platform</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Pemain 1, siapa nama Anda?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Nama Pemain 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Pemain 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Pemain 2, siapa nama Anda?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Nama Pemain 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Pemain 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Kiri atas</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Tengah atas</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Kanan atas</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Kiri tengah</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Tengah</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Kanan tengah</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Kiri bawah</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Tengah bawah</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Kanan bawah</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>kiri atas</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>tengah atas</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>kanan atas</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>kiri tengah</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>tengah</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>kanan tengah</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>kiri bawah</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>tengah bawah</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>kanan bawah</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Pemain 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Pemain 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Skor pemain 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Skor pemain 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Permainan Baru</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Pemain Baru</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Pemain 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Keduanya</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Hapus Skor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cara Bermain</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Tentang Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Permainan selesai.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Giliran %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 menang!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Tidak ada pemenang, permainan seri!</translation>
    </message>
</context>
</TS>
