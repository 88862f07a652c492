<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, aan zet</translation>
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
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is momenteel niet beschikbaar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, gemaakt door Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Waarschuwing: objecten op het scherm lijken dichterbij dan ze werkelijk zijn.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Over %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Wie verliest, begint altijd.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Speler 1 en speler 2 zetten om de beurt een X of een O in een vak. Wie er als eerste drie op een rij heeft, wint.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Waarschuwing: objecten op het scherm lijken dichterbij dan ze werkelijk zijn.</translation>
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
        <translation>Speler 1, wat is je naam?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Naam van speler 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Speler 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Speler 2, wat is je naam?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Naam van speler 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Speler 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Middenboven</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Middenlinks</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Middenrechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Middenonder</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>linksboven</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>middenboven</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>rechtsboven</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>middenlinks</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>midden</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>middenrechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>linksonder</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>middenonder</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>rechtsonder</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Speler 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Speler 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Score van speler 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Score van speler 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nieuwe speler</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Speler 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Score wissen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Over Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spel afgelopen.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>%1 is aan zet.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 heeft gewonnen!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Er is geen winnaar, het is gelijkspel!</translation>
    </message>
</context>
</TS>
