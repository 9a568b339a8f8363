<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Quorvix Vantrope</source>
        <translation>Quorvix Vantrope</translation>
    </message>
    <message>
        <source>Let you convert Apple&apos;s new iOS 11 photos from HEIC to JPG quickly.</source>
        <translation>快速将 Apple iOS 11 的 HEIC 照片转换为 JPG。</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>Quorvix Software</source>
        <translation>Quorvix Software</translation>
    </message>
    <message>
        <source>Engineer:</source>
        <translation>工程师：</translation>
    </message>
    <message>
        <source>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</source>
        <translation>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</translation>
    </message>
    <message>
        <source>UI Designer:</source>
        <translation>界面设计：</translation>
    </message>
    <message>
        <source>Elise Marchetti</source>
        <translation>Elise Marchetti</translation>
    </message>
    <message>
        <source>Editor:</source>
        <translation>编辑：</translation>
    </message>
    <message>
        <source>Owen Prescott</source>
        <translation>Owen Prescott</translation>
    </message>
    <message>
        <source>Project Manager:</source>
        <translation>项目经理：</translation>
    </message>
    <message>
        <source>Hana Kurosawa</source>
        <translation>Hana Kurosawa</translation>
    </message>
    <message>
        <source>Product Manager:</source>
        <translation>产品经理：</translation>
    </message>
    <message>
        <source>Rafael Duarte</source>
        <translation>Rafael Duarte</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Quorvix Software。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>BatchConvertProgress</name>
    <message>
        <source>Converting </source>
        <translation>正在转换 </translation>
    </message>
    <message>
        <source>files</source>
        <translation>个文件</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Converting Photos</source>
        <translation>正在转换照片</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>转换进度</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 个文件无法转换。</translation>
    </message>
    <message>
        <source> files could not be converted.</source>
        <translation> 个文件无法转换。</translation>
    </message>
    <message>
        <source>Cancelling: finishing the photos in hand...</source>
        <translation>正在取消：正在完成处理中的照片...</translation>
    </message>
    <message>
        <source>Saved in: %1</source>
        <translation>已保存到：%1</translation>
    </message>
    <message>
        <source>1 file was skipped: a JPEG of that name exists.</source>
        <translation>已跳过 1 个文件：已存在同名 JPEG。</translation>
    </message>
    <message>
        <source>%1 files were skipped: a JPEG of that name exists.</source>
        <translation>已跳过 %1 个文件：已存在同名 JPEG。</translation>
    </message>
    <message>
        <source>1 file has been successfully converted!</source>
        <translation>1 个文件已成功转换！</translation>
    </message>
    <message>
        <source>1 file has been successfully converted.</source>
        <translation>1 个文件已成功转换。</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted!</source>
        <translation>
            <numerusform>%n 个文件已成功转换！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted.</source>
        <translation>
            <numerusform>%n 个文件已成功转换。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>a file of that name is already there</source>
        <translation>已存在同名文件</translation>
    </message>
</context>
<context>
    <name>ConvertJob</name>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes; at most %2 are accepted)</source>
        <translation>文件过大（%1 字节；最多接受 %2 字节）</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>no decoder (the decoder library was not found)</source>
        <translation>没有解码器（未找到解码库）</translation>
    </message>
    <message>
        <source>the decoder library cannot convert single images of a file</source>
        <translation>解码库无法单独转换文件中的各张图像</translation>
    </message>
    <message>
        <source>the decoder asked for more room twice</source>
        <translation>解码器两次要求更多空间</translation>
    </message>
    <message>
        <source>the decoder&apos;s output is not an image</source>
        <translation>解码器输出的不是图像</translation>
    </message>
</context>
<context>
    <name>ConvertQueue</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>无法使用文件夹 %1</translation>
    </message>
</context>
<context>
    <name>ConvertThread</name>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>第 %1 张图像</translation>
    </message>
    <message>
        <source>%1 not converted: %2</source>
        <translation>%1 未转换：%2</translation>
    </message>
    <message>
        <source>%1 not converted: cannot write %2: %3</source>
        <translation>%1 未转换：无法写入 %2：%3</translation>
    </message>
    <message>
        <source>nothing decoded</source>
        <translation>未解码出任何内容</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>gain map left out: %1</source>
        <translation>已略去增益图：%1</translation>
    </message>
</context>
<context>
    <name>ConvertsionSet</name>
    <message>
        <source>Convert to:</source>
        <translation>转换为：</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>照片质量：</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>保存到：</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>转换设置</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>照片质量</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>JPEG 质量（百分比）</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG files</source>
        <translation>选择保存 JPEG 文件的文件夹</translation>
    </message>
    <message>
        <source>Start converting the ticked photos</source>
        <translation>开始转换勾选的照片</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>保存路径</translation>
    </message>
    <message>
        <source>Convert every image in a photo</source>
        <translation>转换照片中的每一张图像</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>如果已存在同名 JPEG：</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>两者都保留</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
</context>
<context>
    <name>HeicFileTable</name>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>所在文件夹</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add photos or a folder to the list</source>
        <translation>将照片或文件夹添加到列表</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove the ticked photos from the list</source>
        <translation>从列表中移除勾选的照片</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>从列表中移除所有照片</translation>
    </message>
    <message>
        <source>Convert the ticked photos to JPEG</source>
        <translation>将勾选的照片转换为 JPEG</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>The photos to convert; tick the ones to convert</source>
        <translation>待转换的照片；勾选要转换的照片</translation>
    </message>
    <message>
        <source>Select all photos</source>
        <translation>全选照片</translation>
    </message>
    <message>
        <source>Ticks or clears every photo in the list</source>
        <translation>勾选或取消勾选列表中的所有照片</translation>
    </message>
    <message>
        <source>Add Photos...</source>
        <translation>添加照片...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Tick to convert this photo</source>
        <translation>勾选以转换此照片</translation>
    </message>
    <message>
        <source> File(s), </source>
        <translation> 个文件，</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>None of the chosen files is a HEIC photo.</source>
        <translation>所选文件中没有 HEIC 照片。</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>No HEIC photos were found in %1.</source>
        <translation>在 %1 中未找到 HEIC 照片。</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>拖放的内容中没有 HEIC 照片。</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>添加照片</translation>
    </message>
    <message>
        <source>%1: not converted: %2</source>
        <translation>%1：未转换：%2</translation>
    </message>
    <message>
        <source>%1: skipped: %2 is already there</source>
        <translation>%1：已跳过：%2 已存在</translation>
    </message>
</context>
<context>
    <name>Heif2jpg</name>
    <message>
        <source>invalid argument</source>
        <translation>参数无效</translation>
    </message>
    <message>
        <source>empty input</source>
        <translation>输入为空</translation>
    </message>
    <message>
        <source>not a HEIF or JPEG file</source>
        <translation>不是 HEIF 或 JPEG 文件</translation>
    </message>
    <message>
        <source>file is truncated</source>
        <translation>文件不完整</translation>
    </message>
    <message>
        <source>file is corrupt</source>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>unsupported codec or feature</source>
        <translation>不支持的编解码器或功能</translation>
    </message>
    <message>
        <source>image too large</source>
        <translation>图像过大</translation>
    </message>
    <message>
        <source>image could not be decoded</source>
        <translation>无法解码图像</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <translation>JPEG 编码失败</translation>
    </message>
    <message>
        <source>JPEG output too large</source>
        <translation>JPEG 输出过大</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>the decoder stopped on this file</source>
        <translation>解码器在此文件上停止</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>解码耗时过长</translation>
    </message>
    <message>
        <source>the file holds no such image</source>
        <translation>文件中没有该图像</translation>
    </message>
    <message>
        <source>the decoder returned no image</source>
        <translation>解码器未返回图像</translation>
    </message>
    <message>
        <source>%1 (decoder error %2)</source>
        <translation>%1（解码器错误 %2）</translation>
    </message>
    <message>
        <source>decoder error %1</source>
        <translation>解码器错误 %1</translation>
    </message>
</context>
<context>
    <name>HomeTile</name>
    <message>
        <source>Single Photo</source>
        <translation>单张照片</translation>
    </message>
    <message>
        <source>Preview one photo, check its details and convert it.</source>
        <translation>预览一张照片，查看详情并转换。</translation>
    </message>
    <message>
        <source>Batch Convert</source>
        <translation>批量转换</translation>
    </message>
    <message>
        <source>Gather many photos and convert them all at once.</source>
        <translation>汇集多张照片，一次性全部转换。</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>no image to write</source>
        <translation>没有可写入的图像</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>JPEG 编码器失败</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>cannot use the folder %1: %2</source>
        <translation>无法使用文件夹 %1：%2</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link; only a real folder is used for the JPEGs</source>
        <translation>文件夹 %1 是符号链接；JPEG 只保存到真实的文件夹</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>文件夹 %1 属于其他用户</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>the folder name %1 is not allowed</source>
        <translation>不允许使用文件夹名 %1</translation>
    </message>
</context>
<context>
    <name>PhotoInfo</name>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Created Date:</source>
        <translation>创建日期：</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>文件大小：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Photo Info</source>
        <translation>照片信息</translation>
    </message>
</context>
<context>
    <name>PreviewHEIC</name>
    <message>
        <source>Photo Info</source>
        <translation>照片信息</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>转换为：</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>照片质量：</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>保存到：</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>The photo as it will be converted</source>
        <translation>将要转换的照片</translation>
    </message>
    <message>
        <source>Name, date, size and resolution of the photo</source>
        <translation>照片的名称、日期、大小和分辨率</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>照片质量</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>JPEG 质量（百分比）</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG file</source>
        <translation>选择保存 JPEG 文件的文件夹</translation>
    </message>
    <message>
        <source>Convert this photo to JPEG</source>
        <translation>将此照片转换为 JPEG</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>正在加载…</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>正在转换…</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>保存路径</translation>
    </message>
    <message>
        <source>Unknown (not decoded)</source>
        <translation>未知（未解码）</translation>
    </message>
    <message>
        <source>the photo could not be decoded</source>
        <translation>无法解码该照片</translation>
    </message>
    <message>
        <source>This photo cannot be shown or converted.

Reason: %1</source>
        <translation>无法显示或转换此照片。

原因：%1</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1 could not be saved.
Folder: %2
Reason: %3</source>
        <translation>无法保存 %1。
文件夹：%2
原因：%3</translation>
    </message>
    <message>
        <source>%1 could not be converted.
Folder: %2
Reason: %3</source>
        <translation>无法转换 %1。
文件夹：%2
原因：%3</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>如果已存在同名 JPEG：</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>两者都保留</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>%1 is already there, so the photo was not converted.
Folder: %2</source>
        <translation>%1 已存在，因此未转换该照片。
文件夹：%2</translation>
    </message>
</context>
<context>
    <name>SingalConverterHome</name>
    <message>
        <source>Select A File</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Or you can directly drop a HEIC file here.</source>
        <translation>也可以直接将 HEIC 文件拖放到这里。</translation>
    </message>
    <message>
        <source>Choose a HEIC photo to convert</source>
        <translation>选择要转换的 HEIC 照片</translation>
    </message>
    <message>
        <source>Choose the HEIC photos to convert</source>
        <translation>选择要转换的 HEIC 照片</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>拖放的内容中没有 HEIC 照片。</translation>
    </message>
</context>
<context>
    <name>SingleConverting</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Converting Photo</source>
        <translation>转换照片</translation>
    </message>
    <message>
        <source>The HEIC file has been successfully converted!</source>
        <translation>HEIC 文件已成功转换！</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>转换进度</translation>
    </message>
    <message>
        <source>Saved as: %1</source>
        <translation>已保存为：%1</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Are you sure to cancel the file conversion?</source>
        <translation>确定要取消文件转换吗？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Conversion Cancelled!</source>
        <translation>转换已取消！</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Are you sure to trash all the files here?</source>
        <translation>确定要清空列表中的所有文件吗？</translation>
    </message>
    <message>
        <source>Are you sure to quit the program?</source>
        <translation>确定要退出程序吗？</translation>
    </message>
    <message>
        <source>Leave the batch?</source>
        <translation>要离开批量转换吗？</translation>
    </message>
    <message>
        <source>The photo in the list will be removed from it; the file stays on disk.</source>
        <translation>该照片将从列表中移除；文件仍保留在磁盘上。</translation>
    </message>
    <message>
        <source>The %1 photos in the list will be removed from it; the files stay on disk.</source>
        <translation>列表中的 %1 张照片将被移除；文件仍保留在磁盘上。</translation>
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
        <translation>开始</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Help, links, About and Exit</source>
        <translation>帮助、链接、关于和退出</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Quits Vantrope after asking</source>
        <translation>确认后退出 Vantrope</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Back to the start page</source>
        <translation>返回主页</translation>
    </message>
    <message>
        <source>Convert a single photo</source>
        <translation>转换单张照片</translation>
    </message>
    <message>
        <source>Preview one HEIC photo and convert it to JPEG</source>
        <translation>预览一张 HEIC 照片并将其转换为 JPEG</translation>
    </message>
    <message>
        <source>Convert photos in batch</source>
        <translation>批量转换照片</translation>
    </message>
    <message>
        <source>Collect many HEIC photos in a list and convert them to JPEG at once</source>
        <translation>将多张 HEIC 照片加入列表，一次性转换为 JPEG</translation>
    </message>
    <message>
        <source>Conver Single Photo</source>
        <translation>转换单张照片</translation>
    </message>
    <message>
        <source>Convert Photos in Batch</source>
        <translation>批量转换照片</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Or you can directly drop the HEIC files here.</source>
        <translation>也可以直接将 HEIC 文件拖放到这里。</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>使用教程</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>撰写产品评价</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>访问 Facebook 主页</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>在 Twitter 上关注我们</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>ZoAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>ZoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ZoStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>关闭此窗口</translation>
    </message>
</context>
</TS>
