<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1، الدور الآن</translation>
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
        <translation>الإصدار %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>معلومات النظام غير متاحة حاليًا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;معلومات النظام</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>لعبة Trellic من إنشاء Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>تحذير: تبدو الأجسام على الشاشة أقرب مما هي عليه في الواقع.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>حول %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>يبدأ الخاسر دائمًا.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>يتناوب اللاعب 1 واللاعب 2 على وضع X أو O في الخانات. يفوز من يُكمل خطًا من ثلاث علامات متماثلة.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>حقوق النشر</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>تحذير: تبدو الأجسام على الشاشة أقرب مما هي عليه في الواقع.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>المنصة</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>اللاعب 1، ما اسمك؟</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>اسم اللاعب 1</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>اللاعب 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>اللاعب 2، ما اسمك؟</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>اسم اللاعب 2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>اللاعب 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>وسط اليسار</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>المنتصف</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>وسط اليمين</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>وسط اليسار</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>المنتصف</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>وسط اليمين</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>اللاعب 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>اللاعب 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>نقاط اللاعب 1: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>نقاط اللاعب 2: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>لاعب جديد</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>اللاعب 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>كلاهما</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>تصفير النقاط</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>طريقة اللعب</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>حول Trellic</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1، %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>انتهت اللعبة.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>حان دور %1.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>الفوز من نصيب %1!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>لا يوجد فائز، انتهت اللعبة بالتعادل!</translation>
    </message>
</context>
</TS>
