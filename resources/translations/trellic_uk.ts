<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, ходить</translation>
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
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Відомості про систему зараз недоступні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Про &amp;систему</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic. Автор: Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Увага: об’єкти на екрані здаються ближчими, ніж є насправді.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>Про програму %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Хто програв, той завжди починає.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Гравець 1 і гравець 2 по черзі ставлять у клітинки X або O. Перемагає той, хто першим вишикує в ряд три X або три O.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Авторські права</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Увага: об’єкти на екрані здаються ближчими, ніж є насправді.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Платформа</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>Гравцю 1, як вас звати?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Ім’я гравця 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Гравець 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Гравцю 2, як вас звати?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Ім’я гравця 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Гравець 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Угорі ліворуч</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Угорі посередині</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Угорі праворуч</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Посередині ліворуч</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>У центрі</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Посередині праворуч</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Унизу ліворуч</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Унизу посередині</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Унизу праворуч</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>угорі ліворуч</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>угорі посередині</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>угорі праворуч</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>посередині ліворуч</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>у центрі</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>посередині праворуч</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>унизу ліворуч</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>унизу посередині</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>унизу праворуч</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Гравець 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Гравець 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Рахунок гравця 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Рахунок гравця 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Новий гравець</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Гравець 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Обидва</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Скинути рахунок</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Про програму Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Гру закінчено.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Ходить %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>%1 перемагає!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Переможця немає, гра закінчилася внічию!</translation>
    </message>
</context>
</TS>
