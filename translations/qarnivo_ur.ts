<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>AccessibleName</name>
    <message>
        <source>Decoration</source>
        <translation>آرائش</translation>
    </message>
    <message>
        <source>Tips of the Days</source>
        <translation>دنوں کے نکات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>تعارف</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>پچھلا مہینہ</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>اگلا مہینہ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Month name in Urdu</source>
        <translation>مہینے کا نام اردو میں</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Hijri year</source>
        <translation>ہجری سال</translation>
    </message>
    <message>
        <source>Go to year</source>
        <translation>سال پر جائیں</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>کیلنڈر</translation>
    </message>
    <message>
        <source>Weekday names</source>
        <translation>ہفتے کے دنوں کے نام</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>مہینے کے دن</translation>
    </message>
    <message>
        <source>Hijri date of the selected day</source>
        <translation>منتخب دن کی ہجری تاریخ</translation>
    </message>
    <message>
        <source>Gregorian date of the selected day</source>
        <translation>منتخب دن کی عیسوی تاریخ</translation>
    </message>
    <message>
        <source>Occasion of the selected day</source>
        <translation>منتخب دن کی مناسبت</translation>
    </message>
    <message>
        <source>Clock; switches between the full and the short view</source>
        <translation>گھڑی؛ مکمل اور مختصر منظر کے درمیان بدلتی ہے</translation>
    </message>
    <message>
        <source>The new crescent at the month&apos;s end</source>
        <translation>مہینے کے آخر میں نیا چاند</translation>
    </message>
    <message>
        <source>Default city</source>
        <translation>طے شدہ شہر</translation>
    </message>
    <message>
        <source>Latitude of the default city</source>
        <translation>طے شدہ شہر کا عرض بلد</translation>
    </message>
    <message>
        <source>Longitude of the default city</source>
        <translation>طے شدہ شہر کا طول بلد</translation>
    </message>
    <message>
        <source>Time zone of the default city</source>
        <translation>طے شدہ شہر کا منطقۂ وقت</translation>
    </message>
    <message>
        <source>Thought of the Day</source>
        <translation>آج کا خیال</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>معلوماتی تختہ</translation>
    </message>
    <message>
        <source>Credits of the translation</source>
        <translation>مطالعے کے ترجمے کا اعتراف</translation>
    </message>
    <message>
        <source>Visit the maker&apos;s web site</source>
        <translation>بنانے والے کی ویب سائٹ دیکھیں</translation>
    </message>
    <message>
        <source>Bismillah</source>
        <translation>بسم اللہ</translation>
    </message>
    <message>
        <source>Banner; click to change its colour</source>
        <translation>بینر؛ اس کا رنگ بدلنے کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Date conversion</source>
        <translation>تاریخ کی تبدیلی</translation>
    </message>
    <message>
        <source>Gregorian day</source>
        <translation>عیسوی دن</translation>
    </message>
    <message>
        <source>Gregorian month</source>
        <translation>عیسوی مہینہ</translation>
    </message>
    <message>
        <source>Gregorian year</source>
        <translation>عیسوی سال</translation>
    </message>
    <message>
        <source>Hijri day</source>
        <translation>ہجری دن</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>ہجری مہینہ</translation>
    </message>
    <message>
        <source>Gregorian to Hijri</source>
        <translation>عیسوی سے ہجری</translation>
    </message>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>ہجری سے عیسوی</translation>
    </message>
    <message>
        <source>Convert Hijri to Gregorian</source>
        <translation>ہجری کو عیسوی میں بدلیں</translation>
    </message>
    <message>
        <source>Convert Gregorian to Hijri</source>
        <translation>عیسوی کو ہجری میں بدلیں</translation>
    </message>
    <message>
        <source>Weekday of the converted date</source>
        <translation>تبدیل شدہ تاریخ کا دن</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>آج کے اوقاتِ نماز</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>اگلی نماز</translation>
    </message>
</context>
<context>
    <name>qarnivo::ConversionPanel</name>
    <message>
        <source>Date Conversion (±1)</source>
        <translation>تاریخ کی تبدیلی (±۱)</translation>
    </message>
    <message>
        <source>Gregorian to Hijri</source>
        <translation>عیسوی سے ہجری</translation>
    </message>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>ہجری سے عیسوی</translation>
    </message>
    <message>
        <source>±1 day</source>
        <translation>±۱ دن</translation>
    </message>
    <message>
        <source>Convert the Gregorian date above to Hijri</source>
        <translation>اوپر کی عیسوی تاریخ کو ہجری میں بدلیں</translation>
    </message>
    <message>
        <source>Convert the Hijri date below to Gregorian</source>
        <translation>نیچے کی ہجری تاریخ کو عیسوی میں بدلیں</translation>
    </message>
</context>
<context>
    <name>qarnivo::Options</name>
    <message>
        <source>Language:</source>
        <translation>زبان:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سسٹم</translation>
    </message>
    <message>
        <source>English</source>
        <translation>انگریزی</translation>
    </message>
    <message>
        <source>The language changes when Qarnivo starts again.</source>
        <translation>زبان Qarnivo کے دوبارہ شروع ہونے پر بدلے گی۔</translation>
    </message>
</context>
<context>
    <name>qarnivo::PrayerPanel</name>
    <message>
        <source>Time of %1</source>
        <translation>%1 کا وقت</translation>
    </message>
    <message>
        <source>The default city&apos;s values cannot be read.</source>
        <translation>طے شدہ شہر کی قدریں پڑھی نہیں جا سکتیں۔</translation>
    </message>
    <message>
        <source>Polar %1: %2 today</source>
        <translation>قطبی %1: آج %2</translation>
    </message>
</context>
<context>
    <name>qarnivo::PrayerTray</name>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;کیلنڈر</translation>
    </message>
    <message>
        <source>&amp;Prayer Times</source>
        <translation>&amp;اوقاتِ نماز</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;باہر نکلیں</translation>
    </message>
</context>
<context>
    <name>qarnivo::frmqarnivo</name>
    <message>
        <source>Qarnivo with Worldwide Sunrise Sunset timings</source>
        <translation>Qarnivo مع دنیا بھر کے طلوع و غروبِ آفتاب کے اوقات</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;باہر نکلیں</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;ترتیبات</translation>
    </message>
    <message>
        <source>&amp;ViewShort</source>
        <translation>&amp;مختصر منظر</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;آج</translation>
    </message>
    <message>
        <source>Date &amp;Conversion</source>
        <translation>تاریخ کی &amp;تبدیلی</translation>
    </message>
    <message>
        <source>Sun&amp;riseSunset</source>
        <translation>طلوع و &amp;غروب</translation>
    </message>
    <message>
        <source>&amp;Prayer Times</source>
        <translation>&amp;اوقاتِ نماز</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>پچھلا مہینہ</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>اگلا مہینہ</translation>
    </message>
    <message>
        <source>Type a Hijri year and press GO</source>
        <translation>ہجری سال لکھیں اور «جائیں» دبائیں</translation>
    </message>
    <message>
        <source> G  O </source>
        <translation> جائیں </translation>
    </message>
    <message>
        <source>Click to switch between Urdu and English day names</source>
        <translation>دنوں کے اردو اور انگریزی ناموں کے درمیان بدلنے کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>Change View Window</source>
        <translation>منظر کی کھڑکی بدلیں</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>عرض بلد:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>طول بلد:</translation>
    </message>
    <message>
        <source>TIME ZONE</source>
        <translation>منطقۂ وقت</translation>
    </message>
    <message>
        <source>Thought of the Day</source>
        <translation>آج کا خیال</translation>
    </message>
    <message>
        <source>%1 %2 %3 Hijri</source>
        <translation>%1 %2 %3 ہجری</translation>
    </message>
    <message>
        <source>%1, today, %2 %3 %4 %5</source>
        <translation>%1، آج، %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4 %5</source>
        <translation>%1، %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Error - No. of Days is shown as %1. Contact software vendor for necessary<byte value="xd"/>
action. In the mean time the no. of days is being taken as 30.<byte value="xd"/>
</source>
        <translation>خرابی - دنوں کی تعداد %1 دکھائی گئی ہے۔ ضروری کارروائی کے لیے سافٹ ویئر<byte value="xd"/>
فراہم کنندہ سے رابطہ کریں۔ فی الحال دنوں کی تعداد ۳۰ مانی جا رہی ہے۔<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tarvelonix Font is not installed in your system. You will not be<byte value="xd"/>
able to view Arabic DATE numbers in the calendar. You can<byte value="xd"/>
download and install it from the following website:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>آپ کے سسٹم میں Tarvelonix فونٹ نصب نہیں ہے۔ آپ کیلنڈر میں<byte value="xd"/>
تاریخ کے عربی ہندسے نہیں دیکھ سکیں گے۔ آپ اسے<byte value="xd"/>
درج ذیل ویب سائٹ سے ڈاؤن لوڈ کر کے نصب کر سکتے ہیں:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>* The Umm al-Qura table runs from %1 to %2 AH; this year follows the arithmetical calendar.</source>
        <translation>* ام القریٰ کا جدول %1 سے %2 ہجری تک ہے؛ یہ سال حسابی کیلنڈر کے مطابق ہے۔</translation>
    </message>
    <message>
        <source>It is time for %1 (%2) in %3.</source>
        <translation>%3 میں %1 (%2) کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>%1 prayer</source>
        <translation>نمازِ %1</translation>
    </message>
    <message>
        <source>Tips of the Days</source>
        <translation>دنوں کے نکات</translation>
    </message>
    <message>
        <source>Next Day Tip</source>
        <translation>اگلے دن کا نکتہ</translation>
    </message>
    <message>
        <source>Print All Tips</source>
        <translation>تمام نکات چھاپیں</translation>
    </message>
    <message>
        <source>Export Occasions...</source>
        <translation>مناسبات برآمد کریں...</translation>
    </message>
    <message>
        <source>&amp;New Crescent...</source>
        <translation>&amp;نیا چاند...</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;رہنما کتاب</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;تعارف</translation>
    </message>
    <message>
        <source>HIJRA - A Divine Calendar</source>
        <translation>ہجرت - ایک الٰہی کیلنڈر</translation>
    </message>
    <message>
        <source>Hijri Calendar Features</source>
        <translation>ہجری کیلنڈر کی خصوصیات</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>سافٹ ویئر کا ورژن</translation>
    </message>
    <message>
        <source>About Developers</source>
        <translation>ڈویلپرز کے بارے میں</translation>
    </message>
    <message>
        <source>Get this Free Calendar</source>
        <translation>یہ مفت کیلنڈر حاصل کریں</translation>
    </message>
    <message>
        <source>About Our Softwares</source>
        <translation>ہمارے سافٹ ویئر کے بارے میں</translation>
    </message>
    <message>
        <source>Double click to close</source>
        <translation>بند کرنے کے لیے ڈبل کلک کریں</translation>
    </message>
    <message>
        <source>Double click for the translation of the readings</source>
        <translation>مطالعے کے ترجمے کے لیے ڈبل کلک کریں</translation>
    </message>
    <message>
        <source>Visit our web site</source>
        <translation>ہماری ویب سائٹ دیکھیں</translation>
    </message>
    <message>
        <source>DONE! %1 occasions of %2 AH written to %3</source>
        <translation>ہو گیا! %2 ہجری کی %1 مناسبات %3 میں لکھ دی گئیں</translation>
    </message>
    <message>
        <source>In the Name of Allâh, the Most Beneficent, the Most Merciful.</source>
        <translation>اللہ کے نام سے جو بڑا مہربان، نہایت رحم والا ہے۔</translation>
    </message>
    <message>
        <source>Click to change the colour</source>
        <translation>رنگ بدلنے کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Double Click for more...</source>
        <translation>مزید کے لیے ڈبل کلک کریں...</translation>
    </message>
    <message>
        <source>&amp;ViewFull</source>
        <translation>&amp;مکمل منظر</translation>
    </message>
    <message>
        <source>Click SunriseSunset menu item to know the Sunrise and Sunset timings<byte value="xd"/>
of your city of choice. Want to know?<byte value="xd"/>
</source>
        <translation>اپنے پسندیدہ شہر کے طلوع و غروبِ آفتاب کے اوقات جاننے کے لیے «طلوع و غروب»<byte value="xd"/>
مینو پر کلک کریں۔ کیا آپ جاننا چاہتے ہیں؟<byte value="xd"/>
</translation>
    </message>
</context>
</TS>
