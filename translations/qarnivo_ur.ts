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
    <message>
        <source>Menu</source>
        <translation>مینو</translation>
    </message>
    <message>
        <source>Sunrise and sunset page</source>
        <translation>طلوع و غروب کا صفحہ</translation>
    </message>
    <message>
        <source>Default city and lists</source>
        <translation>طے شدہ شہر اور فہرستیں</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>آغاز</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>مقامات</translation>
    </message>
    <message>
        <source>GMT offsets of countries</source>
        <translation>ممالک کا GMT سے فرق</translation>
    </message>
    <message>
        <source>About the calculator</source>
        <translation>حساب کے بارے میں</translation>
    </message>
    <message>
        <source>World map of GMT time zones</source>
        <translation>GMT کے اوقاتی علاقوں کا عالمی نقشہ</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>عالمی نقشہ</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>اقتران</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>مقام تلاش کریں</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>مقام</translation>
    </message>
    <message>
        <source>Crescent criterion</source>
        <translation>ہلال کا معیار</translation>
    </message>
    <message>
        <source>The evenings of the 29th and the 30th</source>
        <translation>۲۹ویں اور ۳۰ویں کی شامیں</translation>
    </message>
    <message>
        <source>The verdicts of the evenings</source>
        <translation>شاموں کے نتائج</translation>
    </message>
    <message>
        <source>Evening of the map</source>
        <translation>نقشے کی شام</translation>
    </message>
    <message>
        <source>Where the crescent can be seen</source>
        <translation>ہلال کہاں دیکھا جا سکتا ہے</translation>
    </message>
    <message>
        <source>Save Map</source>
        <translation>نقشہ محفوظ کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>What the Hijri date correction does</source>
        <translation>ہجری تاریخ کی تصحیح کیا کرتی ہے</translation>
    </message>
    <message>
        <source>Hijri date correction</source>
        <translation>ہجری تاریخ کی تصحیح</translation>
    </message>
    <message>
        <source>Apply Correction</source>
        <translation>تصحیح لاگو کریں</translation>
    </message>
    <message>
        <source>Click to Select Grid Color Schemes</source>
        <translation>جدول کے رنگ منتخب کرنے کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>ہجری کیلنڈر</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>The Hijri day begins at sunset</source>
        <translation>ہجری دن غروبِ آفتاب پر شروع ہوتا ہے</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>اوقاتِ نماز</translation>
    </message>
    <message>
        <source>Prayer time calculation method</source>
        <translation>اوقاتِ نماز کے حساب کا طریقہ</translation>
    </message>
    <message>
        <source>Asr rule</source>
        <translation>عصر کا طریقہ</translation>
    </message>
    <message>
        <source>Rule for high latitudes</source>
        <translation>بلند عرض البلد کا قاعدہ</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>۲۴ گھنٹے کی گھڑی</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>سسٹم ٹرے میں دکھائیں</translation>
    </message>
    <message>
        <source>Remind me at prayer times</source>
        <translation>نماز کے اوقات پر یاد دلائیں</translation>
    </message>
    <message>
        <source>Announced month starts</source>
        <translation>مہینوں کے اعلان شدہ آغاز</translation>
    </message>
    <message>
        <source>Announced months</source>
        <translation>اعلان شدہ مہینے</translation>
    </message>
    <message>
        <source>Gregorian day the month began</source>
        <translation>عیسوی دن جب مہینہ شروع ہوا</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>The day&apos;s prayer times</source>
        <translation>دن کے اوقاتِ نماز</translation>
    </message>
    <message>
        <source>Gregorian date</source>
        <translation>عیسوی تاریخ</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>حساب کا طریقہ</translation>
    </message>
    <message>
        <source>Month timetable</source>
        <translation>مہینے کا نظام الاوقات</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>پرنٹ</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF میں محفوظ کریں</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV برآمد کریں</translation>
    </message>
</context>
<context>
    <name>CrescentMap</name>
    <message>
        <source>%1°N</source>
        <translation>%1° ش</translation>
    </message>
    <message>
        <source>%1°S</source>
        <translation>%1° ج</translation>
    </message>
    <message>
        <source>%1°E</source>
        <translation>%1° مشرق</translation>
    </message>
    <message>
        <source>%1°W</source>
        <translation>%1° مغرب</translation>
    </message>
    <message>
        <source>Moon sets before the Sun</source>
        <translation>چاند سورج سے پہلے غروب ہوتا ہے</translation>
    </message>
    <message>
        <source>no sunset or no moonset</source>
        <translation>سورج یا چاند غروب نہیں ہوتا</translation>
    </message>
    <message>
        <source>Odeh</source>
        <translation>عودہ</translation>
    </message>
    <message>
        <source>Yallop</source>
        <translation>یالوپ</translation>
    </message>
    <message>
        <source>New crescent, evening of %1 (%2)</source>
        <translation>نیا چاند، %1 کی شام (%2)</translation>
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
    <name>qarnivo::CrescentWindow</name>
    <message>
        <source>New Crescent</source>
        <translation>نیا چاند</translation>
    </message>
    <message>
        <source>&amp;Save Map...</source>
        <translation>نقشہ &amp;محفوظ کریں...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;مہینہ:</translation>
    </message>
    <message>
        <source>C&amp;riterion:</source>
        <translation>&amp;معیار:</translation>
    </message>
    <message>
        <source>Evening of the 29th</source>
        <translation>۲۹ویں کی شام</translation>
    </message>
    <message>
        <source>Evening of the 30th</source>
        <translation>۳۰ویں کی شام</translation>
    </message>
    <message>
        <source>M&amp;ap:</source>
        <translation>&amp;نقشہ:</translation>
    </message>
    <message>
        <source>The values of %1 cannot be read.</source>
        <translation>%1 کی قدریں پڑھی نہیں جا سکتیں۔</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>New moon: %1 UTC (%2 local time in %3)</source>
        <translation>اقتران: %1 UTC (%3 کے مقامی وقت کے مطابق %2)</translation>
    </message>
    <message>
        <source>Computing the map…</source>
        <translation>نقشہ تیار کیا جا رہا ہے…</translation>
    </message>
    <message>
        <source>The map could not be saved:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>نقشہ محفوظ نہیں ہو سکا:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>qarnivo::MapGMT</name>
    <message>
        <source>Regional Adjustment of Hijri Date</source>
        <translation>ہجری تاریخ کی علاقائی تصحیح</translation>
    </message>
    <message>
        <source>Click to Close this map</source>
        <translation>یہ نقشہ بند کرنے کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Click to Close</source>
        <translation>بند کرنے کے لیے کلک کریں</translation>
    </message>
</context>
<context>
    <name>qarnivo::MonthStartsEditor</name>
    <message>
        <source>Announced month starts</source>
        <translation>مہینوں کے اعلان شدہ آغاز</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>This month began a day earlier</source>
        <translation>یہ مہینہ ایک دن پہلے شروع ہوا</translation>
    </message>
    <message>
        <source>This month began a day later</source>
        <translation>یہ مہینہ ایک دن بعد شروع ہوا</translation>
    </message>
    <message>
        <source>Import month starts...</source>
        <translation>مہینوں کے آغاز درآمد کریں...</translation>
    </message>
    <message>
        <source>Export month starts...</source>
        <translation>مہینوں کے آغاز برآمد کریں...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 پڑھی نہیں جا سکی۔</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 لکھی نہیں جا سکی: %2</translation>
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
    <message>
        <source>Setting Options</source>
        <translation>ترتیبات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Colour scheme %1</source>
        <translation>رنگ سکیم %1</translation>
    </message>
    <message>
        <source>Sample of colour scheme %1</source>
        <translation>رنگ سکیم %1 کا نمونہ</translation>
    </message>
    <message>
        <source>Hijri Date Correction???</source>
        <translation>ہجری تاریخ کی تصحیح؟؟؟</translation>
    </message>
    <message>
        <source>Click to learn what the correction does</source>
        <translation>تصحیح کا کام جاننے کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>Move 2 Days Backward</source>
        <translation>۲ دن پیچھے کریں</translation>
    </message>
    <message>
        <source>Move 1 Day Backward</source>
        <translation>۱ دن پیچھے کریں</translation>
    </message>
    <message>
        <source>No Correction</source>
        <translation>کوئی تصحیح نہیں</translation>
    </message>
    <message>
        <source>Move 1 Day Forward</source>
        <translation>۱ دن آگے کریں</translation>
    </message>
    <message>
        <source>Move 2 Days Forward</source>
        <translation>۲ دن آگے کریں</translation>
    </message>
    <message>
        <source>Apply Correction</source>
        <translation>تصحیح لاگو کریں</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>کیلنڈر:</translation>
    </message>
    <message>
        <source>Arithmetical (tabular)</source>
        <translation>حسابی (جدولی)</translation>
    </message>
    <message>
        <source>Umm al-Qura (Saudi Arabia)</source>
        <translation>ام القریٰ (سعودی عرب)</translation>
    </message>
    <message>
        <source>The Hijri day begins at sunset</source>
        <translation>ہجری دن غروبِ آفتاب پر شروع ہوتا ہے</translation>
    </message>
    <message>
        <source>From Maghrib in the default city, today is the next Hijri day.</source>
        <translation>طے شدہ شہر میں مغرب سے آج اگلا ہجری دن ہوتا ہے۔</translation>
    </message>
    <message>
        <source>Month starts...</source>
        <translation>مہینوں کا آغاز...</translation>
    </message>
    <message>
        <source>The months whose start your community announced</source>
        <translation>وہ مہینے جن کے آغاز کا اعلان آپ کی برادری نے کیا</translation>
    </message>
    <message>
        <source>Crescent criterion:</source>
        <translation>ہلال کا معیار:</translation>
    </message>
    <message>
        <source>Who judges whether the new crescent can be seen</source>
        <translation>کون طے کرے کہ نیا چاند دیکھا جا سکتا ہے</translation>
    </message>
    <message>
        <source>Click to Select Grid Color Schemes</source>
        <translation>جدول کے رنگ منتخب کرنے کے لیے کلک کریں</translation>
    </message>
    <message>
        <source>			CORRECTION FOR HIJRI DATE<byte value="xd"/>
<byte value="xd"/>
The Hijri Calendar is based on LUNAR year. There are about 354.53059 days in a Lunar year while it is  about 365.2421989 days in Solar year. The date change takes place at  Mid-Night in Gregorian system while the change in date  takes place at Sun-Set in the Hijri date system. There  is no International Date Line in the Hijri System.  In view of above facts, the Hijri Calendar requires a slight  correction depending upon the place of its USE. This part  of the program helps you to make necessary correction.</source>
        <translation>			ہجری تاریخ کی تصحیح<byte value="xd"/>
<byte value="xd"/>
ہجری کیلنڈر قمری سال پر مبنی ہے۔ قمری سال میں تقریباً ۳۵۴٫۵۳۰۵۹ دن ہوتے ہیں جبکہ شمسی سال میں تقریباً ۳۶۵٫۲۴۲۱۹۸۹ دن۔ عیسوی نظام میں تاریخ آدھی رات کو بدلتی ہے جبکہ ہجری نظام میں غروبِ آفتاب پر۔ ہجری نظام میں کوئی بین الاقوامی خطِ تاریخ نہیں ہے۔ اس لیے ہجری کیلنڈر کو استعمال کی جگہ کے لحاظ سے معمولی تصحیح کی ضرورت ہوتی ہے۔ پروگرام کا یہ حصہ ضروری تصحیح کرنے میں آپ کی مدد کرتا ہے۔</translation>
    </message>
    <message>
        <source>Prayer Times</source>
        <translation>اوقاتِ نماز</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>جمہور</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>حنفی</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>نصف شب</translation>
    </message>
    <message>
        <source>Seventh of the night</source>
        <translation>رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>شفق کا زاویہ</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;طریقہ:</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>&amp;عصر:</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>&amp;بلند عرض البلد:</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>%1 میں شامل کیے گئے منٹ</translation>
    </message>
    <message>
        <source>Minutes added to each time:</source>
        <translation>ہر وقت میں شامل کیے گئے منٹ:</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>۲۴ گھنٹے کی گھڑی</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>سسٹم ٹرے میں دکھائیں</translation>
    </message>
    <message>
        <source>Remind me at prayer times</source>
        <translation>نماز کے اوقات پر یاد دلائیں</translation>
    </message>
</context>
<context>
    <name>qarnivo::PlaceChooser</name>
    <message>
        <source>Type part of a name, e.g. Mecca or Bombay</source>
        <translation>نام کا کچھ حصہ لکھیں، مثلاً Mecca یا Bombay</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;تلاش:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;مقام:</translation>
    </message>
    <message>
        <source>The default city</source>
        <translation>طے شدہ شہر</translation>
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
    <name>qarnivo::PrayerTimesWindow</name>
    <message>
        <source>Prayer Times</source>
        <translation>اوقاتِ نماز</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;تاریخ:</translation>
    </message>
    <message>
        <source>The day&apos;s prayer times</source>
        <translation>دن کے اوقاتِ نماز</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; پچھلا</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>پچھلا مہینہ</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>اگلا &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>اگلا مہینہ</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;پرنٹ کریں...</translation>
    </message>
    <message>
        <source>Save as PD&amp;F...</source>
        <translation>PDF میں &amp;محفوظ کریں...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;برآمد کریں...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>The file could not be written:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>فائل لکھی نہیں جا سکی:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Prayer Times %1 %2</source>
        <translation>اوقاتِ نماز %1 %2</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>طریقہ: %1</translation>
    </message>
    <message>
        <source>No times: the latitude, longitude or GMT offset of %1 cannot be read.</source>
        <translation>کوئی اوقات نہیں: %1 کا عرض البلد، طول البلد یا GMT سے فرق پڑھا نہیں جا سکتا۔</translation>
    </message>
    <message>
        <source>%1 AH</source>
        <translation>%1 ہجری</translation>
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
    <name>qarnivo::WwtimeCal</name>
    <message>
        <source>FREE Service: Ask Longitude &amp; Latitude of any place around the world from %1</source>
        <translation>مفت سروس: دنیا کے کسی بھی مقام کا طول البلد اور عرض البلد %1 سے پوچھیں</translation>
    </message>
    <message>
        <source> Worldwide Sunrise/ Sunset/ Zawal Time Calculator</source>
        <translation> دنیا بھر کے طلوع، غروب اور زوال کے اوقات کا حساب</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;تازہ کریں</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;ہدایات</translation>
    </message>
    <message>
        <source>&amp;GMT Offsets</source>
        <translation>GMT سے &amp;فرق</translation>
    </message>
    <message>
        <source>&amp;Select City</source>
        <translation>شہر &amp;منتخب کریں</translation>
    </message>
    <message>
        <source>&amp;World GMT Map</source>
        <translation>دنیا کا GMT &amp;نقشہ</translation>
    </message>
    <message>
        <source>Edit default City Info</source>
        <translation>طے شدہ شہر کی معلومات میں ترمیم</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>شہر کا نام</translation>
    </message>
    <message>
        <source>Latitude in º (deg)</source>
        <translation>عرض البلد ڈگری (º) میں</translation>
    </message>
    <message>
        <source>Longitude in º (deg)</source>
        <translation>طول البلد ڈگری (º) میں</translation>
    </message>
    <message>
        <source>Offset from GMT (Hrs)</source>
        <translation>GMT سے فرق (گھنٹے)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ترمیم</translation>
    </message>
    <message>
        <source>Show First at Startup</source>
        <translation>شروع میں پہلے دکھائیں</translation>
    </message>
    <message>
        <source>Open this window instead of the calendar at start</source>
        <translation>شروع پر کیلنڈر کے بجائے یہ ونڈو کھولیں</translation>
    </message>
    <message>
        <source>Select City by Double Click</source>
        <translation>ڈبل کلک سے شہر منتخب کریں</translation>
    </message>
    <message>
        <source>Search city /string:</source>
        <translation>شہر / عبارت تلاش کریں:</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>اگلا تلاش کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>You can ADD a city</source>
        <translation>آپ شہر شامل کر سکتے ہیں</translation>
    </message>
    <message>
        <source>GMT Offsets (Hrs.)- Countries displayed in Alphabetical order</source>
        <translation>GMT سے فرق (گھنٹے) - ممالک حروفِ تہجی کی ترتیب میں</translation>
    </message>
    <message>
        <source>Search city /country:</source>
        <translation>شہر / ملک تلاش کریں:</translation>
    </message>
    <message>
        <source>You can ADD a City/ Country</source>
        <translation>آپ شہر / ملک شامل کر سکتے ہیں</translation>
    </message>
    <message>
        <source>Sunrise, Sunset and Zawal times for every place</source>
        <translation>ہر مقام کے لیے طلوع، غروب اور زوال کے اوقات</translation>
    </message>
    <message>
        <source> STOP </source>
        <translation> روکیں </translation>
    </message>
    <message>
        <source>Visit: %1</source>
        <translation>دیکھیں: %1</translation>
    </message>
    <message>
        <source>Visit Tarvelonix Website</source>
        <translation>Tarvelonix کی ویب سائٹ دیکھیں</translation>
    </message>
    <message>
        <source> START </source>
        <translation> شروع کریں </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>اپ ڈیٹ کریں</translation>
    </message>
    <message>
        <source>The application folder is unknown.</source>
        <translation>پروگرام کا فولڈر معلوم نہیں۔</translation>
    </message>
    <message>
        <source>Open the text file &apos;AddCity.txt&apos; and add a City/ Place information<byte value="xd"/>
in the given format ONLY. Erroneous entry may lead to Error.</source>
        <translation>متنی فائل 'AddCity.txt' کھولیں اور شہر / مقام کی معلومات<byte value="xd"/>
صرف دیے گئے طریقے سے شامل کریں۔ غلط اندراج سے خرابی ہو سکتی ہے۔</translation>
    </message>
    <message>
        <source>Open the text file &apos;GMT Offsets.txt&apos; and add a Country or City<byte value="xd"/>
in the given format ONLY. Erroneous entry may lead to Error.</source>
        <translation>متنی فائل 'GMT Offsets.txt' کھولیں اور کوئی ملک یا شہر<byte value="xd"/>
صرف دیے گئے طریقے سے شامل کریں۔ غلط اندراج سے خرابی ہو سکتی ہے۔</translation>
    </message>
    <message>
        <source>The boxes show a built-in city. Click Edit, then Update, to write the default city&apos;s file again; the page follows at the next opening of this window.</source>
        <translation>خانوں میں ایک پہلے سے موجود شہر دکھایا گیا ہے۔ طے شدہ شہر کی فائل دوبارہ لکھنے کے لیے «ترمیم» اور پھر «اپ ڈیٹ کریں» پر کلک کریں؛ صفحہ اس ونڈو کے اگلی بار کھلنے پر آئے گا۔</translation>
    </message>
    <message>
        <source>Re-install the program to restore its page file.</source>
        <translation>صفحے کی فائل بحال کرنے کے لیے پروگرام دوبارہ انسٹال کریں۔</translation>
    </message>
    <message>
        <source>Correct the problem, then close this window and open it again.</source>
        <translation>مسئلہ درست کریں، پھر یہ ونڈو بند کر کے دوبارہ کھولیں۔</translation>
    </message>
    <message>
        <source>The page file is missing.</source>
        <translation>صفحے کی فائل موجود نہیں۔</translation>
    </message>
    <message>
        <source>The sunrise, sunset and Zawal page cannot be shown.</source>
        <translation>طلوع، غروب اور زوال کا صفحہ دکھایا نہیں جا سکتا۔</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 اب موجود نہیں۔</translation>
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
