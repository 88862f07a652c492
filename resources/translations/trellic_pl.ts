<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, kolej na ruch</translation>
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
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>O &amp;systemie...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, autor: Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Ostrzeżenie: obiekty na ekranie wydają się bliższe, niż są w rzeczywistości.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Przegrany zawsze zaczyna.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Gracz 1 i gracz 2 na zmianę stawiają w polach X lub O. Wygrywa ten, kto pierwszy ułoży trzy X lub trzy O w rzędzie.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Prawa autorskie</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Ostrzeżenie: obiekty na ekranie wydają się bliższe, niż są w rzeczywistości.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Platforma</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Graczu 1, jak masz na imię?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Imię gracza 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Graczu 2, jak masz na imię?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Imię gracza 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>U góry po lewej</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>U góry pośrodku</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>U góry po prawej</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Pośrodku po lewej</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Pośrodku</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Pośrodku po prawej</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Na dole po lewej</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Na dole pośrodku</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Na dole po prawej</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>u góry po lewej</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>u góry pośrodku</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>u góry po prawej</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>pośrodku po lewej</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>pośrodku</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>pośrodku po prawej</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>na dole po lewej</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>na dole pośrodku</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>na dole po prawej</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Gracz 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Gracz 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Wynik gracza 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Wynik gracza 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nowy gracz</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Obaj gracze</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Wyzeruj wynik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>O programie Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Koniec gry.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Teraz gra %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>Wygrywa %1!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Nie ma zwycięzcy, gra kończy się remisem!</translation>
    </message>
</context>
</TS>
