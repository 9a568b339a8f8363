<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Quorvix Vantrope</source>
        <translation>Quorvix Vantrope</translation>
    </message>
    <message>
        <source>Let you convert Apple&apos;s new iOS 11 photos from HEIC to JPG quickly.</source>
        <translation>Apple の iOS 11 の HEIC 写真を JPG にすばやく変換します。</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>会社：</translation>
    </message>
    <message>
        <source>Quorvix Software</source>
        <translation>Quorvix Software</translation>
    </message>
    <message>
        <source>Engineer:</source>
        <translation>エンジニア：</translation>
    </message>
    <message>
        <source>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</source>
        <translation>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</translation>
    </message>
    <message>
        <source>UI Designer:</source>
        <translation>UI デザイン：</translation>
    </message>
    <message>
        <source>Elise Marchetti</source>
        <translation>Elise Marchetti</translation>
    </message>
    <message>
        <source>Editor:</source>
        <translation>編集：</translation>
    </message>
    <message>
        <source>Owen Prescott</source>
        <translation>Owen Prescott</translation>
    </message>
    <message>
        <source>Project Manager:</source>
        <translation>プロジェクト管理：</translation>
    </message>
    <message>
        <source>Hana Kurosawa</source>
        <translation>Hana Kurosawa</translation>
    </message>
    <message>
        <source>Product Manager:</source>
        <translation>製品管理：</translation>
    </message>
    <message>
        <source>Rafael Duarte</source>
        <translation>Rafael Duarte</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Quorvix Software. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>BatchConvertProgress</name>
    <message>
        <source>Converting </source>
        <translation>変換中 </translation>
    </message>
    <message>
        <source>files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photos</source>
        <translation>写真の変換</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>変換の進行状況</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 個のファイルを変換できませんでした。</translation>
    </message>
    <message>
        <source> files could not be converted.</source>
        <translation> 個のファイルを変換できませんでした。</translation>
    </message>
    <message>
        <source>Cancelling: finishing the photos in hand...</source>
        <translation>キャンセル中：処理中の写真を仕上げています...</translation>
    </message>
    <message>
        <source>Saved in: %1</source>
        <translation>保存先：%1</translation>
    </message>
    <message>
        <source>1 file was skipped: a JPEG of that name exists.</source>
        <translation>1 個のファイルをスキップしました：同じ名前の JPEG があります。</translation>
    </message>
    <message>
        <source>%1 files were skipped: a JPEG of that name exists.</source>
        <translation>%1 個のファイルをスキップしました：同じ名前の JPEG があります。</translation>
    </message>
    <message>
        <source>1 file has been successfully converted!</source>
        <translation>1 個のファイルを変換しました。</translation>
    </message>
    <message>
        <source>1 file has been successfully converted.</source>
        <translation>1 個のファイルを変換しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted!</source>
        <translation>
            <numerusform>%n 個のファイルを変換しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted.</source>
        <translation>
            <numerusform>%n 個のファイルを変換しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>a file of that name is already there</source>
        <translation>同じ名前のファイルがすでにあります</translation>
    </message>
</context>
<context>
    <name>ConvertJob</name>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>ファイルを開けません：%1</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>ファイルを読み込めません：%1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes; at most %2 are accepted)</source>
        <translation>ファイルが大きすぎます（%1 バイト。受け付けるのは %2 バイトまで）</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>no decoder (the decoder library was not found)</source>
        <translation>デコーダーがありません（デコーダーライブラリが見つかりません）</translation>
    </message>
    <message>
        <source>the decoder library cannot convert single images of a file</source>
        <translation>デコーダーライブラリはファイル内の画像を個別に変換できません</translation>
    </message>
    <message>
        <source>the decoder asked for more room twice</source>
        <translation>デコーダーが 2 回続けて追加の領域を求めました</translation>
    </message>
    <message>
        <source>the decoder&apos;s output is not an image</source>
        <translation>デコーダーの出力が画像ではありません</translation>
    </message>
</context>
<context>
    <name>ConvertQueue</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>フォルダー %1 を使用できません</translation>
    </message>
</context>
<context>
    <name>ConvertThread</name>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダー %1 が存在しません</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>画像 %1</translation>
    </message>
    <message>
        <source>%1 not converted: %2</source>
        <translation>%1 は変換されませんでした：%2</translation>
    </message>
    <message>
        <source>%1 not converted: cannot write %2: %3</source>
        <translation>%1 は変換されませんでした：%2 に書き込めません：%3</translation>
    </message>
    <message>
        <source>nothing decoded</source>
        <translation>何もデコードされませんでした</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>gain map left out: %1</source>
        <translation>ゲインマップを省きました：%1</translation>
    </message>
</context>
<context>
    <name>ConvertsionSet</name>
    <message>
        <source>Convert to:</source>
        <translation>変換形式：</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>画質：</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>保存先：</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>変換の設定</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>JPEG の画質（パーセント）</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG files</source>
        <translation>JPEG ファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Start converting the ticked photos</source>
        <translation>チェックした写真の変換を開始</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Convert every image in a photo</source>
        <translation>写真内のすべての画像を変換</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>同じ名前の JPEG がある場合：</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>両方を残す</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
</context>
<context>
    <name>HeicFileTable</name>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add photos or a folder to the list</source>
        <translation>写真またはフォルダーをリストに追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the ticked photos from the list</source>
        <translation>チェックした写真をリストから削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>すべての写真をリストから削除</translation>
    </message>
    <message>
        <source>Convert the ticked photos to JPEG</source>
        <translation>チェックした写真を JPEG に変換</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>The photos to convert; tick the ones to convert</source>
        <translation>変換する写真の一覧。変換する写真にチェックを入れます</translation>
    </message>
    <message>
        <source>Select all photos</source>
        <translation>すべての写真を選択</translation>
    </message>
    <message>
        <source>Ticks or clears every photo in the list</source>
        <translation>リストのすべての写真のチェックを切り替えます</translation>
    </message>
    <message>
        <source>Add Photos...</source>
        <translation>写真を追加...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Tick to convert this photo</source>
        <translation>チェックするとこの写真を変換します</translation>
    </message>
    <message>
        <source> File(s), </source>
        <translation> 個のファイル、</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>None of the chosen files is a HEIC photo.</source>
        <translation>選択したファイルに HEIC 写真はありません。</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>No HEIC photos were found in %1.</source>
        <translation>%1 に HEIC 写真が見つかりませんでした。</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>ドロップした項目に HEIC 写真はありません。</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>%1: not converted: %2</source>
        <translation>%1：変換されませんでした：%2</translation>
    </message>
    <message>
        <source>%1: skipped: %2 is already there</source>
        <translation>%1：スキップ：%2 は既にあります</translation>
    </message>
</context>
<context>
    <name>Heif2jpg</name>
    <message>
        <source>invalid argument</source>
        <translation>引数が無効です</translation>
    </message>
    <message>
        <source>empty input</source>
        <translation>入力が空です</translation>
    </message>
    <message>
        <source>not a HEIF or JPEG file</source>
        <translation>HEIF でも JPEG でもないファイルです</translation>
    </message>
    <message>
        <source>file is truncated</source>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>file is corrupt</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>unsupported codec or feature</source>
        <translation>対応していないコーデックまたは機能です</translation>
    </message>
    <message>
        <source>image too large</source>
        <translation>画像が大きすぎます</translation>
    </message>
    <message>
        <source>image could not be decoded</source>
        <translation>画像をデコードできませんでした</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <translation>JPEG のエンコードに失敗しました</translation>
    </message>
    <message>
        <source>JPEG output too large</source>
        <translation>JPEG の出力が大きすぎます</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>the decoder stopped on this file</source>
        <translation>このファイルでデコーダーが停止しました</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>デコードに時間がかかりすぎました</translation>
    </message>
    <message>
        <source>the file holds no such image</source>
        <translation>ファイルにその画像はありません</translation>
    </message>
    <message>
        <source>the decoder returned no image</source>
        <translation>デコーダーが画像を返しませんでした</translation>
    </message>
    <message>
        <source>%1 (decoder error %2)</source>
        <translation>%1（デコーダーエラー %2）</translation>
    </message>
    <message>
        <source>decoder error %1</source>
        <translation>デコーダーエラー %1</translation>
    </message>
</context>
<context>
    <name>HomeTile</name>
    <message>
        <source>Single Photo</source>
        <translation>1枚の写真</translation>
    </message>
    <message>
        <source>Preview one photo, check its details and convert it.</source>
        <translation>写真を1枚プレビューし、詳細を確認して変換します。</translation>
    </message>
    <message>
        <source>Batch Convert</source>
        <translation>一括変換</translation>
    </message>
    <message>
        <source>Gather many photos and convert them all at once.</source>
        <translation>たくさんの写真を集めて、まとめて一度に変換します。</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>no image to write</source>
        <translation>書き込む画像がありません</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>JPEG エンコーダーが失敗しました</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダー %1 が存在しません</translation>
    </message>
    <message>
        <source>cannot use the folder %1: %2</source>
        <translation>フォルダー %1 を使用できません：%2</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link; only a real folder is used for the JPEGs</source>
        <translation>フォルダー %1 はシンボリックリンクです。JPEG の保存には実際のフォルダーだけを使います</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>フォルダー %1 は別のユーザーのものです</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません：%2</translation>
    </message>
    <message>
        <source>the folder name %1 is not allowed</source>
        <translation>フォルダー名 %1 は使用できません</translation>
    </message>
</context>
<context>
    <name>PhotoInfo</name>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Created Date:</source>
        <translation>作成日：</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>ファイルサイズ：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photo Info</source>
        <translation>写真の情報</translation>
    </message>
</context>
<context>
    <name>PreviewHEIC</name>
    <message>
        <source>Photo Info</source>
        <translation>写真の情報</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>変換形式：</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>画質：</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>保存先：</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>The photo as it will be converted</source>
        <translation>変換される写真</translation>
    </message>
    <message>
        <source>Name, date, size and resolution of the photo</source>
        <translation>写真の名前、日付、サイズ、解像度</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>JPEG の画質（パーセント）</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG file</source>
        <translation>JPEG ファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Convert this photo to JPEG</source>
        <translation>この写真を JPEG に変換</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>変換中…</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Unknown (not decoded)</source>
        <translation>不明（デコードされていません）</translation>
    </message>
    <message>
        <source>the photo could not be decoded</source>
        <translation>写真をデコードできませんでした</translation>
    </message>
    <message>
        <source>This photo cannot be shown or converted.

Reason: %1</source>
        <translation>この写真は表示も変換もできません。

理由：%1</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>フォルダーを作成できませんでした</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 could not be saved.
Folder: %2
Reason: %3</source>
        <translation>%1 を保存できませんでした。
フォルダー：%2
理由：%3</translation>
    </message>
    <message>
        <source>%1 could not be converted.
Folder: %2
Reason: %3</source>
        <translation>%1 を変換できませんでした。
フォルダー：%2
理由：%3</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>同じ名前の JPEG がある場合：</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>両方を残す</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>%1 is already there, so the photo was not converted.
Folder: %2</source>
        <translation>%1 は既にあるため、写真は変換されませんでした。
フォルダー：%2</translation>
    </message>
</context>
<context>
    <name>SingalConverterHome</name>
    <message>
        <source>Select A File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Or you can directly drop a HEIC file here.</source>
        <translation>または、HEIC ファイルをここに直接ドロップしてください。</translation>
    </message>
    <message>
        <source>Choose a HEIC photo to convert</source>
        <translation>変換する HEIC 写真を選択</translation>
    </message>
    <message>
        <source>Choose the HEIC photos to convert</source>
        <translation>変換する HEIC 写真を選択</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>ドロップした項目に HEIC 写真はありません。</translation>
    </message>
</context>
<context>
    <name>SingleConverting</name>
    <message>
        <source>Open Folder</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photo</source>
        <translation>写真の変換</translation>
    </message>
    <message>
        <source>The HEIC file has been successfully converted!</source>
        <translation>HEIC ファイルを変換しました。</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>変換の進行状況</translation>
    </message>
    <message>
        <source>Saved as: %1</source>
        <translation>保存しました：%1</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Are you sure to cancel the file conversion?</source>
        <translation>ファイルの変換をキャンセルしますか？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Conversion Cancelled!</source>
        <translation>変換をキャンセルしました</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Are you sure to trash all the files here?</source>
        <translation>リストのすべてのファイルを削除しますか？</translation>
    </message>
    <message>
        <source>Are you sure to quit the program?</source>
        <translation>プログラムを終了しますか？</translation>
    </message>
    <message>
        <source>Leave the batch?</source>
        <translation>一括変換を終了しますか？</translation>
    </message>
    <message>
        <source>The photo in the list will be removed from it; the file stays on disk.</source>
        <translation>写真はリストから削除されます。ファイルはディスクに残ります。</translation>
    </message>
    <message>
        <source>The %1 photos in the list will be removed from it; the files stay on disk.</source>
        <translation>リストから %1 枚の写真が削除されます。ファイルはディスクに残ります。</translation>
    </message>
</context>
<context>
    <name>Vantrope</name>
    <message>
        <source>Vantrope</source>
        <translation>Vantrope</translation>
    </message>
    <message>
        <source>Quorvix</source>
        <translation>Quorvix</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Help, links, About and Exit</source>
        <translation>ヘルプ、リンク、バージョン情報、終了</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Quits Vantrope after asking</source>
        <translation>確認のうえ Vantrope を終了します</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Back to the start page</source>
        <translation>ホームに戻る</translation>
    </message>
    <message>
        <source>Convert a single photo</source>
        <translation>1枚の写真を変換</translation>
    </message>
    <message>
        <source>Preview one HEIC photo and convert it to JPEG</source>
        <translation>HEIC 写真を1枚プレビューして JPEG に変換</translation>
    </message>
    <message>
        <source>Convert photos in batch</source>
        <translation>写真を一括変換</translation>
    </message>
    <message>
        <source>Collect many HEIC photos in a list and convert them to JPEG at once</source>
        <translation>複数の HEIC 写真をリストに集めて一度に JPEG に変換</translation>
    </message>
    <message>
        <source>Conver Single Photo</source>
        <translation>1枚の写真を変換</translation>
    </message>
    <message>
        <source>Convert Photos in Batch</source>
        <translation>写真を一括変換</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Or you can directly drop the HEIC files here.</source>
        <translation>または、HEIC ファイルをここに直接ドロップしてください。</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>チュートリアル</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>レビューを書く</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Facebook ファンページを見る</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Twitter でフォロー</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>ZoAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>ZoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ZoStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>このウィンドウを閉じます</translation>
    </message>
</context>
</TS>
