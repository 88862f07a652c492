<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>ריקה</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, התור כעת</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; for any other</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>Version %1</source>
        <extracomment>The version line of the splash and About windows; %1 is the version, &quot;1.0.0&quot;</extracomment>
        <translation>גרסה %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>מידע מערכת אינו זמין כעת</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;מידע מערכת...</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>המשחק Trellic מאת Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>אזהרה: עצמים על המסך נראים קרובים יותר משהם באמת.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>אודות %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>מי שהפסיד פותח תמיד.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>שחקן 1 ושחקן 2 מסמנים לסירוגין X או O במשבצות. מנצח מי שמשלים קו של שלושה סימנים זהים.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>זכויות יוצרים</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>אזהרה: עצמים על המסך נראים קרובים יותר משהם באמת.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>פלטפורמה</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>שחקן 1, מה שמך?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>שם שחקן 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>שחקן 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>שחקן 2, מה שמך?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>שם שחקן 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>שחקן 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>למעלה משמאל</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>למעלה באמצע</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>למעלה מימין</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>באמצע משמאל</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>במרכז</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>באמצע מימין</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>למטה משמאל</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>למטה באמצע</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>למטה מימין</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>למעלה משמאל</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>למעלה באמצע</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>למעלה מימין</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>באמצע משמאל</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>במרכז</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>באמצע מימין</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>למטה משמאל</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>למטה באמצע</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>למטה מימין</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>שחקן 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>שחקן 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>ניקוד שחקן 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>ניקוד שחקן 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>שחקן חדש</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>שחקן 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>שניהם</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>איפוס ניקוד</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>איך משחקים</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>אודות Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>המשחק הסתיים.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>התור של %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>הניצחון של %1!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>אין מנצח, המשחק הסתיים בתיקו!</translation>
    </message>
</context>
</TS>
