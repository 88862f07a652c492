<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, ходит</translation>
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
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>О &amp;системе...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic. Автор: Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Внимание: объекты на экране кажутся ближе, чем они есть на самом деле.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>О программе %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>Проигравший всегда ходит первым.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>Игрок 1 и игрок 2 по очереди ставят в клетки X или O. Побеждает тот, кто первым выстроит в ряд три X или три O.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>Авторские права</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>Внимание: объекты на экране кажутся ближе, чем они есть на самом деле.</translation>
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
        <translation>Игрок 1, как вас зовут?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>Имя игрока 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>Игрок 2, как вас зовут?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>Имя игрока 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>Вверху посередине</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Посередине слева</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>В центре</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Посередине справа</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>Внизу посередине</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>вверху слева</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>вверху посередине</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>вверху справа</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>посередине слева</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>в центре</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>посередине справа</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>внизу слева</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>внизу посередине</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>внизу справа</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>Игрок 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>Игрок 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>Счёт игрока 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>Счёт игрока 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Новый игрок</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Оба</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>Сбросить счёт</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>О программе Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Игра окончена.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>Ходит %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>Победитель — %1!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>Победителя нет, игра закончилась вничью!</translation>
    </message>
</context>
</TS>
