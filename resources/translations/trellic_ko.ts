<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AccessibleCaption</name>
    <message>
        <source>empty</source>
        <extracomment>A free cell, as a screen reader names it</extracomment>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell: where it is, then its mark (X or O) or &quot;empty&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, to move</source>
        <extracomment>A player&apos;s label while it is that player&apos;s move</extracomment>
        <translation>%1, 차례</translation>
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
        <translation>버전 %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>현재 시스템 정보를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>시스템 정보(&amp;S)</translation>
    </message>
    <message>
        <source>Trellic created by Pellworth</source>
        <translation>Trellic, 제작: Pellworth</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>경고: 화면 속 물체는 실제보다 가까이 보입니다.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name</extracomment>
        <translation>%1 정보</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The loosing player will always go first.</source>
        <translation>진 사람이 항상 먼저 둡니다.</translation>
    </message>
    <message>
        <source>Alternate between Player One and Player Two switching boxes to either an X or an O. A player wins when they get 3 X&apos;s or O&apos;s in a row.</source>
        <translation>플레이어 1과 플레이어 2가 번갈아 가며 칸에 X 또는 O를 놓습니다. X나 O 세 개를 먼저 한 줄로 놓는 사람이 이깁니다.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright</source>
        <translation>저작권</translation>
    </message>
    <message>
        <source>Warning: Objects in screen appear closer than they actually are.</source>
        <translation>경고: 화면 속 물체는 실제보다 가까이 보입니다.</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>플랫폼</translation>
    </message>
</context>
<context>
    <name>frmTrellic</name>
    <message>
        <source>What is your name Player 1?</source>
        <translation>플레이어 1, 이름이 무엇입니까?</translation>
    </message>
    <message>
        <source>Player 1 Name Input</source>
        <translation>플레이어 1 이름 입력</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>플레이어 1</translation>
    </message>
    <message>
        <source>What is your name Player 2?</source>
        <translation>플레이어 2, 이름이 무엇입니까?</translation>
    </message>
    <message>
        <source>Player 2 Name Input</source>
        <translation>플레이어 2 이름 입력</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>플레이어 2</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>Top middle</source>
        <translation>위쪽 가운데</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>왼쪽 가운데</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>오른쪽 가운데</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>Bottom middle</source>
        <translation>아래쪽 가운데</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>top middle</source>
        <translation>위쪽 가운데</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>왼쪽 가운데</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>오른쪽 가운데</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>bottom middle</source>
        <translation>아래쪽 가운데</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>Player one: %1</source>
        <extracomment>What a screen reader says for the label with player one&apos;s name (%1)</extracomment>
        <translation>플레이어 1: %1</translation>
    </message>
    <message>
        <source>Player two: %1</source>
        <extracomment>What a screen reader says for the label with player two&apos;s name (%1)</extracomment>
        <translation>플레이어 2: %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Player one&apos;s score: %1</source>
        <translation>플레이어 1 점수: %1</translation>
    </message>
    <message>
        <source>Player two&apos;s score: %1</source>
        <translation>플레이어 2 점수: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>새 플레이어</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>플레이어 2</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>Clear Score</source>
        <translation>점수 초기화</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>About Trellic</source>
        <translation>Trellic 정보</translation>
    </message>
    <message>
        <source>%1, %2. </source>
        <extracomment>The news of a move: the mark (X or O), then where it was placed</extracomment>
        <translation>%1, %2. </translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>게임이 끝났습니다.</translation>
    </message>
    <message>
        <source>%1 to move.</source>
        <extracomment>%1 is the name of the player to move</extracomment>
        <translation>%1 차례입니다.</translation>
    </message>
    <message>
        <source>%1 is the winner!</source>
        <extracomment>%1 is the winner&apos;s name, exactly as typed</extracomment>
        <translation>승자는 %1입니다!</translation>
    </message>
    <message>
        <source>There is no winner, the game is a tie!</source>
        <translation>승자가 없습니다. 무승부입니다!</translation>
    </message>
</context>
</TS>
