<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>board</name>
    <message>
        <source>思考中</source>
        <extracomment>Left of the board while the computer thinks; 12 points, 2.5 squares of room</extracomment>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>手目</source>
        <extracomment>After the move number right of the board; 10 points, about 5 letters of room</extracomment>
        <translation>ply</translation>
    </message>
    <message>
        <source>秒読み</source>
        <extracomment>After the seconds left of a clock beside the board in byoyomi; 12 points, about 8 letters of room</extracomment>
        <translation>byoyomi</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <extracomment>Right of the board above the bottom hand; 10 points, about 18 letters of room</extracomment>
        <translation>Handicap: Meijin</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation>Handicap: 8-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation>Handicap: 7-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1-dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation>Handicap: 10-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation>Handicap: 11-kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation>Handicap: 12-kyu</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>本将棋</source>
        <translation>Standard shogi</translation>
    </message>
    <message>
        <source>対局中は変更できません</source>
        <translation>This cannot be changed during a game</translation>
    </message>
    <message>
        <source>詰み</source>
        <translation>Checkmate</translation>
    </message>
    <message>
        <source>詰みです</source>
        <translation>Checkmate</translation>
    </message>
    <message>
        <source>千日手</source>
        <translation>Fourfold repetition</translation>
    </message>
    <message>
        <source>千日手です。引き分けです</source>
        <translation>Fourfold repetition. The game is a draw</translation>
    </message>
    <message>
        <source>連続王手の千日手です</source>
        <translation>Fourfold repetition by perpetual check</translation>
    </message>
    <message>
        <source>王手がかかっています</source>
        <translation>Your king is in check</translation>
    </message>
    <message>
        <source>王が取られます</source>
        <translation>Your king would be taken</translation>
    </message>
    <message>
        <source>時間切れです</source>
        <translation>Time is up</translation>
    </message>
    <message>
        <source>新規対局</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>持ち時間を決めて下さい</source>
        <translation>Please set the main time</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>COMの番です</source>
        <translation>It is the computer's move</translation>
    </message>
    <message>
        <source>指せる手がありません</source>
        <translation>There is no move to play</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Sente to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Gote to move</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready? The computer moves next.</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the Game menu</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>This piece must promote: use the right mouse button</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Sente wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>Gote wins</translation>
    </message>
    <message>
        <source>先手(%1)の勝ちです</source>
        <translation>Sente (%1) wins</translation>
    </message>
    <message>
        <source>後手(%1)の勝ちです</source>
        <translation>Gote (%1) wins</translation>
    </message>
    <message>
        <source>再ゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>続けますか？</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>勝負はついています</source>
        <translation>The game is already decided</translation>
    </message>
    <message>
        <source>詰め ?</source>
        <translation>Mate?</translation>
    </message>
    <message>
        <source>よし！!</source>
        <translation>Checkmate!</translation>
    </message>
    <message>
        <source>   ** 王手 **</source>
        <translation>   ** Check **</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>投了しますか？</source>
        <translation>Resign this game?</translation>
    </message>
    <message>
        <source>前回の対局</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>前回の対局はありません</source>
        <translation>There is no last game</translation>
    </message>
    <message>
        <source>前回の対局を再開しますか？</source>
        <translation>Resume the last game?</translation>
    </message>
    <message>
        <source>盤をクリックして対局を再開して下さい</source>
        <translation>Click the board to resume the game first</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>棋譜を '進 'で進めて下さい</source>
        <translation>Step through the record with Forward</translation>
    </message>
    <message>
        <source>棋譜を '進 'で進めて下さい</source>
        <comment>question</comment>
        <translation>Keep stepping through the record with Forward?

No leaves the record.</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End of the record</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>No move to step to</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip board</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not while a record is shown</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません

局面→最初にして下さい</source>
        <translation>Not while a record is shown

Choose Position → Starting position first</translation>
    </message>
    <message>
        <source>対局途中ではできません

局面→最初にして下さい</source>
        <translation>Not during a game

Choose Position → Starting position first</translation>
    </message>
    <message>
        <source>反転後ではできません

局面→最初にして下さい</source>
        <translation>Not after the board was flipped

Choose Position → Starting position first</translation>
    </message>
    <message>
        <source>局面設定後ではできません

局面→最初にして下さい</source>
        <translation>Not on a position that was set up

Choose Position → Starting position first</translation>
    </message>
    <message>
        <source>対局中はできません

局面→最初にして下さい</source>
        <translation>Not during a game

Choose Position → Starting position first</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The drive is not ready</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>Type a file name</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に使えない文字があります</source>
        <translation>The file name contains characters that are not allowed</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There are no moves to save</translation>
    </message>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>A game on a flipped board cannot be saved</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>A handicap game cannot be saved in a .棋譜 file</translation>
    </message>
    <message>
        <source>局面設定後は書き込みできません

KIF形式で書出して下さい</source>
        <translation>A game from a set-up position cannot be saved in a .棋譜 file

Export it as KIF instead</translation>
    </message>
    <message>
        <source>「対局名」に書き込めない文字があります</source>
        <translation>The title contains characters that cannot be saved</translation>
    </message>
    <message>
        <source>「先手」に書き込めない文字があります</source>
        <translation>Sente's name contains characters that cannot be saved</translation>
    </message>
    <message>
        <source>「後手」に書き込めない文字があります</source>
        <translation>Gote's name contains characters that cannot be saved</translation>
    </message>
    <message>
        <source>棋譜を書き込めませんでした</source>
        <translation>The record could not be saved</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>Record saved</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを読み込めません</source>
        <translation>The record file cannot be read</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの%1行目が正しくありません</source>
        <translation>Line %1 of the record file is not valid</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation>Record loaded</translation>
    </message>
    <message>
        <source>KIF形式で書出</source>
        <translation>Export as KIF</translation>
    </message>
    <message>
        <source>KIF形式を読込</source>
        <translation>Import a KIF file</translation>
    </message>
    <message>
        <source>KIF書出</source>
        <translation>Export KIF</translation>
    </message>
    <message>
        <source>KIF読込</source>
        <translation>Import KIF</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙを書き込みました</source>
        <translation>KIF file saved</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙを書き込めませんでした</source>
        <translation>The KIF file could not be saved</translation>
    </message>
    <message>
        <source>Shift_JISで書けない文字があります

名前を .kifu にするとUTF-8で書き込めます</source>
        <translation>Some characters cannot be written in Shift_JIS

Name the file .kifu to save it in UTF-8</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙを読み込めません</source>
        <translation>The KIF file cannot be read</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙが大きすぎます(%1MBまで)</source>
        <translation>The KIF file is too large (%1 MB at most)</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙの%1行目: 手数が多すぎます(%2手まで)</source>
        <translation>Line %1 of the KIF file: too many moves (%2 at most)</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙの%1行目が正しくありません</source>
        <translation>Line %1 of the KIF file is not valid</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙが正しくありません</source>
        <translation>The KIF file is not valid</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙではありません</source>
        <translation>This is not a KIF file</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙの%1行目: %2</source>
        <translation>Line %1 of the KIF file: %2</translation>
    </message>
    <message>
        <source>KIFﾌｧｲﾙの%1行目の指手は指せません</source>
        <translation>The move on line %1 of the KIF file cannot be played</translation>
    </message>
    <message>
        <source>局面ｺﾋﾟｰ</source>
        <translation>Copy position</translation>
    </message>
    <message>
        <source>局面貼付</source>
        <translation>Paste position</translation>
    </message>
    <message>
        <source>局面をｺﾋﾟｰしました

%1</source>
        <translation>Position copied

%1</translation>
    </message>
    <message>
        <source>SFENの形式ではありません</source>
        <translation>This is not SFEN</translation>
    </message>
    <message>
        <source>盤面の書き方が正しくありません</source>
        <translation>The board is not written correctly</translation>
    </message>
    <message>
        <source>手番は b か w で書いて下さい</source>
        <translation>The side to move must be b or w</translation>
    </message>
    <message>
        <source>持駒の書き方が正しくありません</source>
        <translation>The pieces in hand are not written correctly</translation>
    </message>
    <message>
        <source>手数が正しくありません</source>
        <translation>The move number is not valid</translation>
    </message>
    <message>
        <source>歩が18枚を超えています</source>
        <translation>More than 18 pawns</translation>
    </message>
    <message>
        <source>香が4枚を超えています</source>
        <translation>More than 4 lances</translation>
    </message>
    <message>
        <source>桂が4枚を超えています</source>
        <translation>More than 4 knights</translation>
    </message>
    <message>
        <source>銀が4枚を超えています</source>
        <translation>More than 4 silvers</translation>
    </message>
    <message>
        <source>金が4枚を超えています</source>
        <translation>More than 4 golds</translation>
    </message>
    <message>
        <source>角が2枚を超えています</source>
        <translation>More than 2 bishops</translation>
    </message>
    <message>
        <source>飛が2枚を超えています</source>
        <translation>More than 2 rooks</translation>
    </message>
    <message>
        <source>先手の玉が2枚あります</source>
        <translation>Sente has two kings</translation>
    </message>
    <message>
        <source>先手の二歩があります</source>
        <translation>Sente has two unpromoted pawns on one file</translation>
    </message>
    <message>
        <source>後手の玉が2枚あります</source>
        <translation>Gote has two kings</translation>
    </message>
    <message>
        <source>玉がありません</source>
        <translation>Neither side has a king</translation>
    </message>
    <message>
        <source>後手の二歩があります</source>
        <translation>Gote has two unpromoted pawns on one file</translation>
    </message>
    <message>
        <source>行き所のない駒があります</source>
        <translation>A piece stands where it can never move</translation>
    </message>
    <message>
        <source>香落ち</source>
        <translation>Lance handicap</translation>
    </message>
    <message>
        <source>右香落ち</source>
        <translation>Right lance handicap</translation>
    </message>
    <message>
        <source>角落ち</source>
        <translation>Bishop handicap</translation>
    </message>
    <message>
        <source>飛車落ち</source>
        <translation>Rook handicap</translation>
    </message>
    <message>
        <source>飛香落ち</source>
        <translation>Rook and lance handicap</translation>
    </message>
    <message>
        <source>二枚落ち</source>
        <translation>Two-piece handicap</translation>
    </message>
    <message>
        <source>三枚落ち</source>
        <translation>Three-piece handicap</translation>
    </message>
    <message>
        <source>四枚落ち</source>
        <translation>Four-piece handicap</translation>
    </message>
    <message>
        <source>五枚落ち</source>
        <translation>Five-piece handicap</translation>
    </message>
    <message>
        <source>左五枚落ち</source>
        <translation>Left five-piece handicap</translation>
    </message>
    <message>
        <source>六枚落ち</source>
        <translation>Six-piece handicap</translation>
    </message>
    <message>
        <source>左七枚落ち</source>
        <translation>Left seven-piece handicap</translation>
    </message>
    <message>
        <source>右七枚落ち</source>
        <translation>Right seven-piece handicap</translation>
    </message>
    <message>
        <source>八枚落ち</source>
        <translation>Eight-piece handicap</translation>
    </message>
    <message>
        <source>十枚落ち</source>
        <translation>Ten-piece handicap</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>About</translation>
    </message>
    <message>
        <source>HAKURO KAISEN将棋

Version %1</source>
        <translation>HAKURO KAISEN将棋
Shogi in which a move may capture your own pieces

Version %1</translation>
    </message>
    <message>
        <source>HAKURO KAISEN将棋</source>
        <translation>HAKURO KAISEN将棋</translation>
    </message>
    <message>
        <source>設定ファイル「HAKURO将棋1.ini」に書き込めません。</source>
        <translation>Cannot write the settings file HAKURO将棋1.ini.</translation>
    </message>
    <message>
        <source>HAKUROKAISEN将棋.dll</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>No sound device: the game is silent.</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>A sound file cannot be opened.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>A sound file cannot be read.</translation>
    </message>
    <message>
        <source>ファイルにこれ以上データがありません。</source>
        <translation>A sound file is empty.</translation>
    </message>
    <message>
        <source>USIエンジンを起動できません: %1</source>
        <translation>Cannot start the USI engine: %1</translation>
    </message>
    <message>
        <source>USIエンジンが応答しません</source>
        <translation>The USI engine does not answer</translation>
    </message>
    <message>
        <source>USIエンジンが終了しました</source>
        <translation>The USI engine has ended</translation>
    </message>
    <message>
        <source>USIエンジンの応答が正しくありません: %1</source>
        <translation>The USI engine answered something that is not USI: %1</translation>
    </message>
    <message>
        <source>USIエンジンとは本将棋で対局します</source>
        <translation>A USI engine plays standard shogi only</translation>
    </message>
    <message>
        <source>USIエンジンの入玉宣言は受け付けません</source>
        <translation>The USI engine's declaration of a win is not accepted</translation>
    </message>
    <message>
        <source>USIエンジンの指手は指せません: %1</source>
        <translation>The USI engine's move cannot be played: %1</translation>
    </message>
    <message>
        <source>評価値 %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>評価値 %1  読み筋 %2</source>
        <translation>Score %1  Line %2</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>新規対局…</source>
        <translation>New Game…</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente (you move first)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote (you move second)</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>前回の対局</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Starting position</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip board</translation>
    </message>
    <message>
        <source>局面をコピー(SFEN)</source>
        <translation>Copy position (SFEN)</translation>
    </message>
    <message>
        <source>局面を貼付(SFEN)</source>
        <translation>Paste position (SFEN)</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>△</source>
        <translation>△</translation>
    </message>
    <message>
        <source>▽</source>
        <translation>▽</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>KIF形式で書出…</source>
        <translation>Export KIF…</translation>
    </message>
    <message>
        <source>KIF形式を読込…</source>
        <translation>Import KIF…</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Live analysis</translation>
    </message>
    <message>
        <source>解析結果をKIFに書く</source>
        <translation>Write the analysis into KIF</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guidance</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Elapsed time</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>座標を先手から見る</source>
        <translation>Coordinates from Sente&apos;s side</translation>
    </message>
    <message>
        <source>本将棋</source>
        <translation>Standard shogi</translation>
    </message>
    <message>
        <source>USIエンジンの設定…</source>
        <translation>USI engines…</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>hakuro::MainWindow</name>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>hakuro::GameTexts</name>
    <message>
        <source>▲先手</source>
        <translation>▲Sente</translation>
    </message>
    <message>
        <source>△後手</source>
        <translation>△Gote</translation>
    </message>
    <message>
        <source>▲下手</source>
        <translation>▲Shitate</translation>
    </message>
    <message>
        <source>△上手</source>
        <translation>△Uwate</translation>
    </message>
    <message>
        <source>人間</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>コンピュータ LEVEL%1</source>
        <translation>Computer LEVEL%1</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>棋譜 %1/%2</source>
        <translation>Record %1/%2</translation>
    </message>
    <message>
        <source>%1の番</source>
        <translation>%1 to move</translation>
    </message>
    <message>
        <source>詰み</source>
        <translation>mate</translation>
    </message>
    <message>
        <source>指し手なし</source>
        <translation>no move left</translation>
    </message>
    <message>
        <source>千日手</source>
        <translation>fourfold repetition</translation>
    </message>
    <message>
        <source>連続王手の千日手</source>
        <translation>perpetual check</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>time out</translation>
    </message>
    <message>
        <source>引き分け（%1）</source>
        <translation>draw (%1)</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>resigned</translation>
    </message>
    <message>
        <source>王取り</source>
        <translation>king taken</translation>
    </message>
    <message>
        <source>終局</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>%1の勝ち（%2）</source>
        <translation>%1 wins (%2)</translation>
    </message>
    <message>
        <source>コンピュータの勝ち（%1）</source>
        <translation>Computer wins (%1)</translation>
    </message>
    <message>
        <source>あなたの勝ち（%1）</source>
        <translation>You win (%1)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>対局中</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>対局中 (LEVEL%1)</source>
        <translation>Playing (LEVEL%1)</translation>
    </message>
    <message>
        <source>対局していません</source>
        <translation>No game</translation>
    </message>
</context>
<context>
    <name>hakuro::GamePanels</name>
    <message>
        <source>指し手</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>hakuro::RecordPanel</name>
    <message>
        <source>対 局 名：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>Sente:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Gote:</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>hakuro::NewGameDialog</name>
    <message>
        <source>新規対局</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>人間</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>このプログラムの将棋（自分の駒も取れる）</source>
        <translation>This program's shogi (own pieces may be taken)</translation>
    </message>
    <message>
        <source>本将棋</source>
        <translation>Standard shogi</translation>
    </message>
    <message>
        <source>＋は盤の上側の駒を、−は下側の駒を落とします（△ ▽ と同じ）</source>
        <translation>+ takes pieces from the top side of the board, − from the bottom side (as △ and ▽ do)</translation>
    </message>
    <message>
        <source>なし（経過時間を数える）</source>
        <translation>None (the clocks count up)</translation>
    </message>
    <message>
        <source>持ち時間＋秒読み</source>
        <translation>Main time + byoyomi</translation>
    </message>
    <message>
        <source>持ち時間＋1手ごとの加算</source>
        <translation>Main time + increment per move</translation>
    </message>
    <message>
        <source>切れ負け（持ち時間のみ）</source>
        <translation>Sudden death (main time only)</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote</translation>
    </message>
    <message>
        <source>ルール</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>ハンディキャップ</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>持ち時間の方式</source>
        <translation>Time control</translation>
    </message>
    <message>
        <source>持ち時間</source>
        <translation>Main time</translation>
    </message>
    <message>
        <source>1手ごとの加算</source>
        <translation>Increment per move</translation>
    </message>
    <message>
        <source>秒読み</source>
        <translation>Byoyomi</translation>
    </message>
    <message>
        <source>持ち時間を決めて下さい</source>
        <translation>Please set the main time</translation>
    </message>
    <message>
        <source>USIエンジンとは本将棋で対局します</source>
        <translation>A USI engine plays standard shogi only</translation>
    </message>
</context>
<context>
    <name>hakuro::UsiEngineDialog</name>
    <message>
        <source>USIエンジンの設定</source>
        <translation>USI engines</translation>
    </message>
    <message>
        <source>追加…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ハッシュ(MB)</source>
        <translation>Hash (MB)</translation>
    </message>
    <message>
        <source>スレッド数</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>1手の時間(秒)</source>
        <translation>Time per move (s)</translation>
    </message>
    <message>
        <source>USIエンジンを選ぶ</source>
        <translation>Choose a USI engine</translation>
    </message>
</context>
<context>
    <name>hakuro::Review</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>評価値</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>解析 %v/%m</source>
        <translation>Analysing %v/%m</translation>
    </message>
    <message>
        <source>解析を中止しました</source>
        <translation>The analysis was cancelled</translation>
    </message>
    <message>
        <source>コンピュータの思考中は解析できません</source>
        <translation>No analysis while the computer thinks</translation>
    </message>
    <message>
        <source>解析する指し手がありません</source>
        <translation>There are no moves to analyse</translation>
    </message>
    <message>
        <source>この棋譜は解析できません</source>
        <translation>This record cannot be analysed</translation>
    </message>
    <message>
        <source>▲先手 悪手%1 疑問手%2　△後手 悪手%3 疑問手%4</source>
        <translation>▲Sente: %1 blunders, %2 dubious  △Gote: %3 blunders, %4 dubious</translation>
    </message>
    <message>
        <source>悪手</source>
        <translation>Blunder</translation>
    </message>
    <message>
        <source>疑問手</source>
        <translation>Dubious</translation>
    </message>
    <message>
        <source>最善 %1　損 %2</source>
        <translation>best %1, loss %2</translation>
    </message>
    <message>
        <source>検討中…</source>
        <translation>Analysing…</translation>
    </message>
    <message>
        <source>深さ %1　評価値 %2
%3</source>
        <translation>depth %1  score %2
%3</translation>
    </message>
</context>
</TS>
