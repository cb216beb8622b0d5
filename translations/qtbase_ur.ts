<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ٹھیک ہے</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>محفوظ کریں</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>سب محفوظ کریں</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;ہاں</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>سب کے لیے &amp;ہاں</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;نہیں</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>سب کے لیے &amp;نہیں</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ترک کریں</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>دوبارہ کوشش کریں</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>نظر انداز کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;منسوخ کریں</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>رد کریں</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مدد</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>لاگو کریں</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>دوبارہ ترتیب دیں</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>طے شدہ ترتیبات بحال کریں</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>تفصیل دکھائیں...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>تفصیل چھپائیں...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt کے بارے میں</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Qt کے بارے میں&lt;/h3&gt;&lt;p&gt;یہ پروگرام Qt کا نسخہ %1 استعمال کرتا ہے۔&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Save As</source>
        <translation>اس نام سے محفوظ کریں</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;محفوظ کریں</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;کھولیں</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;چنیں</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>فائل کا &amp;نام:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>فائلوں کی قسم:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>یہاں دیکھیں:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>فولڈر:</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>تفصیلی منظر</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>فہرست منظر</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>تفصیلی منظر پر جائیں</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>فہرست منظر پر جائیں</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>پیچھے</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>پیچھے جائیں</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>آگے</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>آگے جائیں</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>بالائی فولڈر</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>بالائی فولڈر میں جائیں</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>نیا فولڈر بنائیں</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>ایک نیا فولڈر بنائیں</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>نیا فولڈر</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;نیا فولڈر</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف کریں</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;نام بدلیں</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>&amp;چھپی فائلیں دکھائیں</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>فولڈر</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>حالیہ مقامات</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>سائیڈ بار</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>مقامات اور نشانیوں کی فہرست</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>میرا کمپیوٹر</translation>
    </message>
    <message>
        <source>File</source>
        <translation>فائل</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>فولڈر</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>فائل فولڈر</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 فائل</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>نامعلوم</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>فولڈر تلاش کریں</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 پہلے سے موجود ہے۔
کیا آپ اسے بدلنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
فائل نہیں ملی۔
براہ کرم دیکھ لیں کہ فائل کا نام درست دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
فولڈر نہیں ملا۔
براہ کرم دیکھ لیں کہ فولڈر کا نام درست دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; لکھنے سے محفوظ ہے۔
کیا آپ پھر بھی اسے حذف کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>کیا آپ واقعی &apos;%1&apos; حذف کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>فولڈر حذف نہیں ہو سکا۔</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>سائز</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>تبدیلی کی تاریخ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>میرا کمپیوٹر</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>کمپیوٹر</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بائٹ</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>غلط فائل نام</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>پرنٹ</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;پرنٹ کریں</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>فائل میں پرنٹ کریں ...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>فائل میں پرنٹ کریں (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>مقامی فائل</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF فائل لکھیں</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>تمام صفحات</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>طاق صفحات</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>جفت صفحات</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;اختیارات &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;اختیارات &lt;&lt;</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 پہلے سے موجود ہے۔
کیا آپ اس پر لکھنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 ایک فولڈر ہے۔
براہ کرم کوئی اور فائل نام چنیں۔</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>فائل %1 میں لکھا نہیں جا سکتا۔
براہ کرم کوئی اور فائل نام چنیں۔</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>&apos;سے&apos; کی قدر &apos;تک&apos; کی قدر سے بڑی نہیں ہو سکتی۔</translation>
    </message>
</context>
<context>
    <name>QAbstractPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>پرنٹ</translation>
    </message>
</context>
</TS>
