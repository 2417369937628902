<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<!-- Kept by hand: every program text is its Japanese source, in the one context "vnovla".
     Texts with numbers filled in use %1, %2... in the numbers' places. Do not run lupdate
     (update_translations) over it: most texts come from core, where lupdate cannot see them. -->
<context>
    <name>vnovla</name>
    <message>
        <source>メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>ページ(&amp;P)</source>
        <translation>&amp;Page</translation>
    </message>
    <message>
        <source>ページナンバーでジャンプ(&amp;J)</source>
        <translation>&amp;Jump to page number</translation>
    </message>
    <message>
        <source>ページタイトルでジャンプ(&amp;L)</source>
        <translation>Jump to page tit&amp;le</translation>
    </message>
    <message>
        <source>ページタイトル変更(&amp;C)</source>
        <translation>&amp;Change page title</translation>
    </message>
    <message>
        <source>ページ追加(&amp;E)</source>
        <translation>Add pag&amp;e</translation>
    </message>
    <message>
        <source>ページ削除(&amp;D)</source>
        <translation>&amp;Delete last page</translation>
    </message>
    <message>
        <source>タイトルバーに時計を表示(&amp;T)</source>
        <translation>Clock in &amp;title bar</translation>
    </message>
    <message>
        <source>常に手前に表示(&amp;V)</source>
        <translation>Always on top (&amp;V)</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>アラーム(&amp;R)</source>
        <translation>Ala&amp;rm</translation>
    </message>
    <message>
        <source>1分後</source>
        <translation>In 1 minute</translation>
    </message>
    <message>
        <source>3分後</source>
        <translation>In 3 minutes</translation>
    </message>
    <message>
        <source>5分後</source>
        <translation>In 5 minutes</translation>
    </message>
    <message>
        <source>時間を指定する</source>
        <translation>At a set time</translation>
    </message>
    <message>
        <source>その他(&amp;A)</source>
        <translation>Other (&amp;A)</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙの検索(&amp;F)</source>
        <translation>&amp;Find files</translation>
    </message>
    <message>
        <source>日付と時刻の設定(&amp;T)</source>
        <translation>Date and &amp;time settings</translation>
    </message>
    <message>
        <source>ごみ箱を空にする(&amp;R)</source>
        <translation>Empty t&amp;rash</translation>
    </message>
    <message>
        <source>最近使ったファイルのリストを削除(&amp;S)</source>
        <translation>Clear recent file li&amp;st</translation>
    </message>
    <message>
        <source>特殊フォルダを開く(&amp;O)</source>
        <translation>&amp;Open special folder</translation>
    </message>
    <message>
        <source>マイドキュメント(&amp;M)</source>
        <translation>&amp;My documents</translation>
    </message>
    <message>
        <source>デスクトップ(&amp;D)</source>
        <translation>&amp;Desktop</translation>
    </message>
    <message>
        <source>ゴミ箱(&amp;L)</source>
        <translation>Trash (&amp;L)</translation>
    </message>
    <message>
        <source>コントロールパネル(&amp;C)</source>
        <translation>&amp;Control panel</translation>
    </message>
    <message>
        <source>IMEのプロパティ(&amp;P)</source>
        <translation>Input method &amp;properties</translation>
    </message>
    <message>
        <source>辞書選択(&amp;D)</source>
        <translation>Choose &amp;dictionary</translation>
    </message>
    <message>
        <source>単語登録(&amp;E)</source>
        <translation>R&amp;egister a word</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;V)</source>
        <translation>About (&amp;V)</translation>
    </message>
    <message>
        <source>終了(&amp;W)</source>
        <translation>Exit (&amp;W)</translation>
    </message>
    <message>
        <source>Popupボタンの編集</source>
        <translation>Button popup</translation>
    </message>
    <message>
        <source>ボタンの登録、編集(&amp;E)</source>
        <translation>R&amp;egister or edit button</translation>
    </message>
    <message>
        <source>ボタンのコピー/移動(&amp;M)</source>
        <translation>Copy or &amp;move buttons</translation>
    </message>
    <message>
        <source>ボタンのクリア(&amp;D)</source>
        <translation>Clear button (&amp;D)</translation>
    </message>
    <message>
        <source>フォルダを開く(&amp;O)</source>
        <translation>&amp;Open folder</translation>
    </message>
    <message>
        <source>起動後ﾉﾌﾞﾗを閉じる(&amp;C)</source>
        <translation>&amp;Close launcher after start</translation>
    </message>
    <message>
        <source>タスクトレイ用</source>
        <translation>Tray</translation>
    </message>
    <message>
        <source>← 前のページ</source>
        <translation>← Previous page</translation>
    </message>
    <message>
        <source>→ 次のページ</source>
        <translation>→ Next page</translation>
    </message>
    <message>
        <source>トレイから出す</source>
        <translation>Restore from tray</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>CPU使用率</source>
        <translation>CPU usage</translation>
    </message>
    <message>
        <source>物理メモリ使用率</source>
        <translation>Physical memory usage</translation>
    </message>
    <message>
        <source>仮想メモリ使用率</source>
        <translation>Virtual memory usage</translation>
    </message>
    <message>
        <source>システムリソース使用率</source>
        <translation>System resource usage</translation>
    </message>
    <message>
        <source>GDIリソース使用率</source>
        <translation>GDI resource usage</translation>
    </message>
    <message>
        <source>USERリソース使用率</source>
        <translation>USER resource usage</translation>
    </message>
    <message>
        <source>ドライブ使用率</source>
        <translation>Drive usage</translation>
    </message>
    <message>
        <source>ページ番号</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>追加削除は最後のページが対象になります</source>
        <translation>Adding and deleting apply to the last page</translation>
    </message>
    <message>
        <source>ジャンプするページ番号</source>
        <translation>Page number to jump to</translation>
    </message>
    <message>
        <source>現在のページの登録ボタンをすべて実行します</source>
        <translation>Runs every registered button of this page</translation>
    </message>
    <message>
        <source>ページのタイトルです。右クリックで変更を選び、Enterで決定、Escでキャンセルできます</source>
        <translation>The page's title. Right-click to change it; Enter accepts, Esc cancels</translation>
    </message>
    <message>
        <source>リターンで決定、ESCでキャンセルできます</source>
        <translation>Enter accepts, Esc cancels</translation>
    </message>
    <message>
        <source>ページタイトルの変更</source>
        <translation>Change page title</translation>
    </message>
    <message>
        <source>ページタイトルを選んでジャンプ</source>
        <translation>Choose a page title to jump to</translation>
    </message>
    <message>
        <source>ページタイトルの一覧</source>
        <translation>Page titles</translation>
    </message>
    <message>
        <source>ドライブの選択</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>ウィンドウの状態を保存できませんでした。
%1</source>
        <translation>The window state could not be saved.
%1</translation>
    </message>
    <message>
        <source>【 登録するパス 】</source>
        <translation>[ Path to register ]</translation>
    </message>
    <message>
        <source>登録するパス</source>
        <translation>Path to register</translation>
    </message>
    <message>
        <source>登録するパスを選ぶ</source>
        <translation>Choose the path to register</translation>
    </message>
    <message>
        <source>【 アイコンファイルのパス 】</source>
        <translation>[ Icon file path ]</translation>
    </message>
    <message>
        <source>アイコンファイルのパス</source>
        <translation>Icon file path</translation>
    </message>
    <message>
        <source>アイコンファイルを選ぶ</source>
        <translation>Choose the icon file</translation>
    </message>
    <message>
        <source>【 オンマウスで表示するテキスト 】</source>
        <translation>[ Tooltip text ]</translation>
    </message>
    <message>
        <source>オンマウスで表示するテキスト</source>
        <translation>Tooltip text</translation>
    </message>
    <message>
        <source>【 アイコン 】</source>
        <translation>[ Icon ]</translation>
    </message>
    <message>
        <source>アイコンのプレビュー</source>
        <translation>Icon preview</translation>
    </message>
    <message>
        <source>ｱｲｺﾝｾﾚｸﾄ</source>
        <translation>Icon no.</translation>
    </message>
    <message>
        <source>関連ｱｲｺﾝ</source>
        <translation>Assoc.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Page %1 :  ボタンNo. %2</source>
        <translation>Page %1 :  Button No. %2</translation>
    </message>
    <message>
        <source>実行ﾌｧｲﾙ(*.exe)</source>
        <translation>Programs (*.exe)</translation>
    </message>
    <message>
        <source>ﾃｷｽﾄﾌｧｲﾙ(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>未登録</source>
        <translation>Not registered</translation>
    </message>
    <message>
        <source>「登録するパス」に改行が含まれているため保存できません。改行を取り除いてください。</source>
        <translation>"Path to register" contains a line break and cannot be saved. Remove the line break.</translation>
    </message>
    <message>
        <source>「オンマウスで表示するテキスト」に改行が含まれているため保存できません。改行を取り除いてください。</source>
        <translation>"Tooltip text" contains a line break and cannot be saved. Remove the line break.</translation>
    </message>
    <message>
        <source>「アイコンファイルのパス」に改行が含まれているため保存できません。改行を取り除いてください。</source>
        <translation>"Icon file path" contains a line break and cannot be saved. Remove the line break.</translation>
    </message>
    <message>
        <source>「登録するパス」が長すぎるため保存できません（%1バイトまで）。</source>
        <translation>"Path to register" is too long to be saved (%1 bytes at most).</translation>
    </message>
    <message>
        <source>「オンマウスで表示するテキスト」が長すぎるため保存できません（%1バイトまで）。</source>
        <translation>"Tooltip text" is too long to be saved (%1 bytes at most).</translation>
    </message>
    <message>
        <source>「アイコンファイルのパス」が長すぎるため保存できません（%1バイトまで）。</source>
        <translation>"Icon file path" is too long to be saved (%1 bytes at most).</translation>
    </message>
    <message>
        <source>ボタンのコピー/移動</source>
        <translation>Copy or move buttons</translation>
    </message>
    <message>
        <source>【 コピー/移動元 】</source>
        <translation>[ From ]</translation>
    </message>
    <message>
        <source>【 コピー/移動先 】</source>
        <translation>[ To ]</translation>
    </message>
    <message>
        <source>コピー/移動元</source>
        <translation>From</translation>
    </message>
    <message>
        <source>コピー/移動先</source>
        <translation>To</translation>
    </message>
    <message>
        <source>%1のページ番号</source>
        <translation>%1: page number</translation>
    </message>
    <message>
        <source>%1のページ</source>
        <translation>%1: page</translation>
    </message>
    <message>
        <source>%1のページタイトル</source>
        <translation>%1: page title</translation>
    </message>
    <message>
        <source>%1のページタイトルを選んでジャンプ</source>
        <translation>%1: choose a page title to jump to</translation>
    </message>
    <message>
        <source>%1のボタン %2</source>
        <translation>%1: button %2</translation>
    </message>
    <message>
        <source>%1のボタン %2 を選択</source>
        <translation>%1: select button %2</translation>
    </message>
    <message>
        <source>%1のページタイトルの一覧</source>
        <translation>%1: page titles</translation>
    </message>
    <message>
        <source>ページ作成</source>
        <translation>New page</translation>
    </message>
    <message>
        <source>新しいページを追加します</source>
        <translation>Adds a new page</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>選択されたボタンをコピーします</source>
        <translation>Copies the selected buttons</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>選択されたボタンを移動します</source>
        <translation>Moves the selected buttons</translation>
    </message>
    <message>
        <source>一括処理</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>空のページへ一括で処理します</source>
        <translation>Copies or moves all into an empty page</translation>
    </message>
    <message>
        <source>編集終了</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>編集を終了します</source>
        <translation>Ends editing</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞﾅﾝﾊﾞｰ</source>
        <translation>Page no.</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞﾀｲﾄﾙ</source>
        <translation>Page title</translation>
    </message>
    <message>
        <source>ﾎﾞﾀﾝﾅﾝﾊﾞｰ</source>
        <translation>Button no.</translation>
    </message>
    <message>
        <source>物理メモリ</source>
        <translation>Phys. memory</translation>
    </message>
    <message>
        <source>仮想メモリ</source>
        <translation>Virt. memory</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑﾘｿｰｽ</source>
        <translation>System res.</translation>
    </message>
    <message>
        <source>GDI ﾘｿｰｽ</source>
        <translation>GDI res.</translation>
    </message>
    <message>
        <source>ﾕｰｻﾞｰﾘｿｰｽ</source>
        <translation>User res.</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞの空き</source>
        <translation>Drive free</translation>
    </message>
    <message>
        <source>ﾌｫﾝﾄ/ｹﾞｰｼﾞ</source>
        <translation>Text/gauge</translation>
    </message>
    <message>
        <source>バック</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>VESKA NOVLAを起動直後に最小化</source>
        <translation>Minimise VESKA NOVLA at start</translation>
    </message>
    <message>
        <source>「最小化時タスクトレイに入れる」と一緒にチェックすることにより、ﾉﾌﾞﾗ起動直後にトレイに格納できます</source>
        <translation>Checked together with "Minimise to the tray", the launcher goes to the tray as it starts</translation>
    </message>
    <message>
        <source>最小化時タスクトレイに入れる</source>
        <translation>Minimise to the tray</translation>
    </message>
    <message>
        <source>【 ALLボタンの設定 】</source>
        <translation>[ ALL button ]</translation>
    </message>
    <message>
        <source>次のボタンまでの待ち時間を有効</source>
        <translation>Wait before the next button</translation>
    </message>
    <message>
        <source>1秒 = 1000</source>
        <translation>1 s = 1000</translation>
    </message>
    <message>
        <source>実行後VESKA NOVLAを閉じる</source>
        <translation>Close VESKA NOVLA afterwards</translation>
    </message>
    <message>
        <source>ボタンで起動後VESKA NOVLAを最小化</source>
        <translation>Minimise after a button starts</translation>
    </message>
    <message>
        <source>起動時は</source>
        <translation>At start show</translation>
    </message>
    <message>
        <source>起動時に表示するページ</source>
        <translation>Page shown at start</translation>
    </message>
    <message>
        <source>ページを表示する</source>
        <translation>page</translation>
    </message>
    <message>
        <source>終了時に最近使ったﾌｧｲﾙを空にする</source>
        <translation>Clear recent files on exit</translation>
    </message>
    <message>
        <source>【 ボタンにﾌｧｲﾙをドロップした時 】</source>
        <translation>[ File dropped on a button ]</translation>
    </message>
    <message>
        <source>登録アプリ(*.exe)に渡して起動</source>
        <translation>Open it with the registered program</translation>
    </message>
    <message>
        <source>ドロップしたボタンに登録する</source>
        <translation>Register it on that button</translation>
    </message>
    <message>
        <source>指定時間にダイアログを出す</source>
        <translation>Show a message at the set time</translation>
    </message>
    <message>
        <source>指定時間にアラーム音を鳴らす</source>
        <translation>Sound an alarm at the set time</translation>
    </message>
    <message>
        <source>【 アラーム音の設定 】</source>
        <translation>[ Alarm sound ]</translation>
    </message>
    <message>
        <source>BEEP音</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>ｻｳﾝﾄﾞ（*.wav）</source>
        <translation>Sound (*.wav)</translation>
    </message>
    <message>
        <source>サウンドの登録</source>
        <translation>Choose the sound</translation>
    </message>
    <message>
        <source>【 色の設定 】</source>
        <translation>[ Colours ]</translation>
    </message>
    <message>
        <source>VESKA NOVLA のアイコン</source>
        <translation>VESKA NOVLA icon</translation>
    </message>
    <message>
        <source>VESKA NOVLA 説明書 (readme.txt)</source>
        <translation>VESKA NOVLA guide (readme.txt)</translation>
    </message>
    <message>
        <source>説明書のアドレス</source>
        <translation>Address of the guide</translation>
    </message>
    <message>
        <source>公開のウェブサイトはありません。上のアドレスは、プログラムと一緒にインストールされた説明書を指します。クリックすると開きます。</source>
        <translation>There is no public web site. The address above is the guide installed with the program; click it to open it.</translation>
    </message>
    <message>
        <source>設定1</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>設定2</source>
        <translation>More</translation>
    </message>
    <message>
        <source>ｱﾗｰﾑ</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>ｶﾗｰ</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>wavﾌｧｲﾙ(*.wav)</source>
        <translation>WAV files (*.wav)</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>グリーン調</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>ブルー調</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>レッド調</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>現在のページの登録ボタンをすべて実行しますか？</source>
        <translation>Run every registered button of this page?</translation>
    </message>
    <message>
        <source>これ以上登録できません</source>
        <translation>No more can be added.</translation>
    </message>
    <message>
        <source>ページが1つしかないため削除できません。</source>
        <translation>There is only one page; it cannot be deleted.</translation>
    </message>
    <message>
        <source>登録済みです</source>
        <translation>This button is already registered.</translation>
    </message>
    <message>
        <source>このボタンの登録内容をクリアしますか？</source>
        <translation>Clear this button's registration?</translation>
    </message>
    <message>
        <source>コピー/移動先は登録済みです</source>
        <translation>The destination is already registered.</translation>
    </message>
    <message>
        <source>移動先に空ページを設定してください</source>
        <translation>Choose an empty page as the destination.</translation>
    </message>
    <message>
        <source>Page %1 を追加してもよろしいですか？</source>
        <translation>Add page %1?</translation>
    </message>
    <message>
        <source>Page %1 に登録済ボタンがありますが削除しますか？</source>
        <translation>Page %1 has registered buttons. Delete it anyway?</translation>
    </message>
    <message>
        <source>Page %1 は登録ボタンはありません。削除しますか？</source>
        <translation>Page %1 has no registered buttons. Delete it?</translation>
    </message>
    <message>
        <source>全ページ数は %1 です。%2 ページ目を表示しますか？</source>
        <translation>There are %1 pages. Show page %2?</translation>
    </message>
    <message>
        <source>分単位で入力してください。</source>
        <translation>Enter the delay in minutes.</translation>
    </message>
    <message>
        <source>ｱﾗｰﾑ時刻設定</source>
        <translation>Set alarm</translation>
    </message>
    <message>
        <source>時刻の指定が正しくありません。</source>
        <translation>The time is not valid.</translation>
    </message>
    <message>
        <source>リソースメーターがインストールされていません</source>
        <translation>No resource meter installed</translation>
    </message>
    <message>
        <source>VESKA NOVLA アラーム</source>
        <translation>VESKA NOVLA Alarm</translation>
    </message>
    <message>
        <source>アラーム</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>時間です！</source>
        <translation>Time is up!</translation>
    </message>
    <message>
        <source>CPU使用率 %1%</source>
        <translation>CPU %1%</translation>
    </message>
    <message>
        <source>Windowsのシャットダウン(Q)</source>
        <translation>Shut down the computer (Q)</translation>
    </message>
    <message>
        <source>「最近使ったファイル」のリスト情報を削除しますか？</source>
        <translation>Clear the list of recently used files?</translation>
    </message>
    <message>
        <source>ごみ箱の中のすべてのファイルを完全に削除しますか？</source>
        <translation>Delete every file in the trash for good?</translation>
    </message>
    <message>
        <source>ごみ箱を空にしています...</source>
        <translation>Emptying the trash...</translation>
    </message>
    <message>
        <source>ごみ箱を空にしています... %1</source>
        <translation>Emptying the trash... %1</translation>
    </message>
    <message>
        <source>コンピュータの電源を切りますか？</source>
        <translation>Power off the computer?</translation>
    </message>
    <message>
        <source>フォルダが見つかりません。</source>
        <translation>Folder not found.</translation>
    </message>
    <message>
        <source>起動するプログラムがありません。</source>
        <translation>There is no program to start.</translation>
    </message>
    <message>
        <source>システムのバスに接続できないため、電源を切れませんでした。</source>
        <translation>Could not power off: the system bus is not reachable.</translation>
    </message>
</context>
</TS>
