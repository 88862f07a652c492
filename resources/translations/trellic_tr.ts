<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>boş</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, sıra onda</translation>
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
        <translation>Sürüm %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Sistem bilgisi şu anda kullanılamıyor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistem Bilgisi...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, Pellworth tarafından geliştirildi</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Uyarı: Ekrandaki nesneler olduklarından daha yakın görünür.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>%1 Hakkında</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Kaybeden her zaman önce başlar.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Oyuncu 1 ve Oyuncu 2 sırayla karelere X ya da O koyar. Bir sıraya ilk olarak üç X ya da üç O dizen kazanır.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Telif hakkı</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Uyarı: Ekrandaki nesneler olduklarından daha yakın görünür.</translation>
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
        <translation>Oyuncu 1, adınız nedir?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Oyuncu 1 Adı</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Oyuncu 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Oyuncu 2, adınız nedir?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Oyuncu 2 Adı</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Oyuncu 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Sol üst</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Üst orta</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Sağ üst</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Sol orta</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Sağ orta</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Sol alt</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Alt orta</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Sağ alt</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>sol üst</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>üst orta</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>sağ üst</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>sol orta</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>orta</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>sağ orta</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>sol alt</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>alt orta</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>sağ alt</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Oyuncu 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Oyuncu 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Oyuncu 1 puanı: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Oyuncu 2 puanı: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni Oyun</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Yeni Oyuncu</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Oyuncu 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Her İkisi</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Puanı Sıfırla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Nasıl Oynanır</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Trellic Hakkında</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Oyun bitti.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Sıra: %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>Kazanan: %1!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Kazanan yok, oyun berabere bitti!</translation>
    </message>
</context>
</TS>
