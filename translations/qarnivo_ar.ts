<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AccessibleName</name>
    <message>
        <source>Decoration</source>
        <translation>زخرفة</translation>
    </message>
    <message>
        <source>Tips of the Days</source>
        <translation>نصائح الأيام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>الشهر التالي</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Month name in Urdu</source>
        <translation>اسم الشهر بالأردية</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Hijri year</source>
        <translation>السنة الهجرية</translation>
    </message>
    <message>
        <source>Go to year</source>
        <translation>الانتقال إلى السنة</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Weekday names</source>
        <translation>أسماء أيام الأسبوع</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>أيام الشهر</translation>
    </message>
    <message>
        <source>Hijri date of the selected day</source>
        <translation>التاريخ الهجري لليوم المحدد</translation>
    </message>
    <message>
        <source>Gregorian date of the selected day</source>
        <translation>التاريخ الميلادي لليوم المحدد</translation>
    </message>
    <message>
        <source>Occasion of the selected day</source>
        <translation>مناسبة اليوم المحدد</translation>
    </message>
    <message>
        <source>Clock; switches between the full and the short view</source>
        <translation>الساعة؛ تبدّل بين العرض الكامل والعرض المختصر</translation>
    </message>
    <message>
        <source>The new crescent at the month&apos;s end</source>
        <translation>الهلال الجديد في آخر الشهر</translation>
    </message>
    <message>
        <source>Default city</source>
        <translation>المدينة الافتراضية</translation>
    </message>
    <message>
        <source>Latitude of the default city</source>
        <translation>خط عرض المدينة الافتراضية</translation>
    </message>
    <message>
        <source>Longitude of the default city</source>
        <translation>خط طول المدينة الافتراضية</translation>
    </message>
    <message>
        <source>Time zone of the default city</source>
        <translation>المنطقة الزمنية للمدينة الافتراضية</translation>
    </message>
    <message>
        <source>Thought of the Day</source>
        <translation>خاطرة اليوم</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>لوحة المعلومات</translation>
    </message>
    <message>
        <source>Credits of the translation</source>
        <translation>عن ترجمة القراءات</translation>
    </message>
    <message>
        <source>Visit the maker&apos;s web site</source>
        <translation>زيارة موقع الصانع على الويب</translation>
    </message>
    <message>
        <source>Bismillah</source>
        <translation>البسملة</translation>
    </message>
    <message>
        <source>Banner; click to change its colour</source>
        <translation>اللافتة؛ انقر لتغيير لونها</translation>
    </message>
    <message>
        <source>Date conversion</source>
        <translation>تحويل التاريخ</translation>
    </message>
    <message>
        <source>Gregorian day</source>
        <translation>اليوم الميلادي</translation>
    </message>
    <message>
        <source>Gregorian month</source>
        <translation>الشهر الميلادي</translation>
    </message>
    <message>
        <source>Gregorian year</source>
        <translation>السنة الميلادية</translation>
    </message>
    <message>
        <source>Hijri day</source>
        <translation>اليوم الهجري</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>الشهر الهجري</translation>
    </message>
    <message>
        <source>Gregorian to Hijri</source>
        <translation>من الميلادي إلى الهجري</translation>
    </message>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>من الهجري إلى الميلادي</translation>
    </message>
    <message>
        <source>Convert Hijri to Gregorian</source>
        <translation>تحويل الهجري إلى الميلادي</translation>
    </message>
    <message>
        <source>Convert Gregorian to Hijri</source>
        <translation>تحويل الميلادي إلى الهجري</translation>
    </message>
    <message>
        <source>Weekday of the converted date</source>
        <translation>يوم الأسبوع للتاريخ المحوَّل</translation>
    </message>
    <message>
        <source>Today&apos;s prayer times</source>
        <translation>مواقيت الصلاة اليوم</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>الصلاة التالية</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Sunrise and sunset page</source>
        <translation>صفحة الشروق والغروب</translation>
    </message>
    <message>
        <source>Default city and lists</source>
        <translation>المدينة الافتراضية والقوائم</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>الأماكن</translation>
    </message>
    <message>
        <source>GMT offsets of countries</source>
        <translation>فروق توقيت البلدان عن GMT</translation>
    </message>
    <message>
        <source>About the calculator</source>
        <translation>عن الحاسبة</translation>
    </message>
    <message>
        <source>World map of GMT time zones</source>
        <translation>خريطة العالم لمناطق التوقيت</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>خريطة العالم</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>الاقتران</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>البحث عن مكان</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>Crescent criterion</source>
        <translation>معيار الهلال</translation>
    </message>
    <message>
        <source>The evenings of the 29th and the 30th</source>
        <translation>مساءا التاسع والعشرين والثلاثين</translation>
    </message>
    <message>
        <source>The verdicts of the evenings</source>
        <translation>حكم كل مساء</translation>
    </message>
    <message>
        <source>Evening of the map</source>
        <translation>مساء الخريطة</translation>
    </message>
    <message>
        <source>Where the crescent can be seen</source>
        <translation>أين يمكن رؤية الهلال</translation>
    </message>
    <message>
        <source>Save Map</source>
        <translation>حفظ الخريطة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>What the Hijri date correction does</source>
        <translation>عمل تصحيح التاريخ الهجري</translation>
    </message>
    <message>
        <source>Hijri date correction</source>
        <translation>تصحيح التاريخ الهجري</translation>
    </message>
    <message>
        <source>Apply Correction</source>
        <translation>تطبيق التصحيح</translation>
    </message>
    <message>
        <source>Click to Select Grid Color Schemes</source>
        <translation>انقر لاختيار ألوان الشبكة</translation>
    </message>
    <message>
        <source>Hijri calendar</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>The Hijri day begins at sunset</source>
        <translation>يبدأ اليوم الهجري عند الغروب</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Prayer time calculation method</source>
        <translation>طريقة حساب مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Asr rule</source>
        <translation>مذهب العصر</translation>
    </message>
    <message>
        <source>Rule for high latitudes</source>
        <translation>قاعدة خطوط العرض العليا</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>نظام ٢٤ ساعة</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>إظهار في علبة النظام</translation>
    </message>
    <message>
        <source>Remind me at prayer times</source>
        <translation>ذكّرني بأوقات الصلاة</translation>
    </message>
    <message>
        <source>Announced month starts</source>
        <translation>بدايات الشهور المعلنة</translation>
    </message>
    <message>
        <source>Announced months</source>
        <translation>الشهور المعلنة</translation>
    </message>
    <message>
        <source>Gregorian day the month began</source>
        <translation>اليوم الميلادي الذي بدأ فيه الشهر</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>The day&apos;s prayer times</source>
        <translation>مواقيت صلاة اليوم</translation>
    </message>
    <message>
        <source>Gregorian date</source>
        <translation>التاريخ الميلادي</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>Month timetable</source>
        <translation>جدول الشهر</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>تصدير CSV</translation>
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
        <translation>%1° ق</translation>
    </message>
    <message>
        <source>%1°W</source>
        <translation>%1° غ</translation>
    </message>
    <message>
        <source>Moon sets before the Sun</source>
        <translation>يغرب القمر قبل الشمس</translation>
    </message>
    <message>
        <source>no sunset or no moonset</source>
        <translation>لا غروب للشمس أو لا غروب للقمر</translation>
    </message>
    <message>
        <source>Odeh</source>
        <translation>عودة</translation>
    </message>
    <message>
        <source>Yallop</source>
        <translation>يالوب</translation>
    </message>
    <message>
        <source>New crescent, evening of %1 (%2)</source>
        <translation>الهلال الجديد، مساء %1 (%2)</translation>
    </message>
</context>
<context>
    <name>qarnivo::ConversionPanel</name>
    <message>
        <source>Date Conversion (±1)</source>
        <translation>تحويل التاريخ (±١)</translation>
    </message>
    <message>
        <source>Gregorian to Hijri</source>
        <translation>من الميلادي إلى الهجري</translation>
    </message>
    <message>
        <source>Hijri to Gregorian</source>
        <translation>من الهجري إلى الميلادي</translation>
    </message>
    <message>
        <source>±1 day</source>
        <translation>±١ يوم</translation>
    </message>
    <message>
        <source>Convert the Gregorian date above to Hijri</source>
        <translation>تحويل التاريخ الميلادي أعلاه إلى الهجري</translation>
    </message>
    <message>
        <source>Convert the Hijri date below to Gregorian</source>
        <translation>تحويل التاريخ الهجري أدناه إلى الميلادي</translation>
    </message>
</context>
<context>
    <name>qarnivo::CrescentWindow</name>
    <message>
        <source>New Crescent</source>
        <translation>الهلال الجديد</translation>
    </message>
    <message>
        <source>&amp;Save Map...</source>
        <translation>&amp;حفظ الخريطة...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;الشهر:</translation>
    </message>
    <message>
        <source>C&amp;riterion:</source>
        <translation>&amp;المعيار:</translation>
    </message>
    <message>
        <source>Evening of the 29th</source>
        <translation>مساء التاسع والعشرين</translation>
    </message>
    <message>
        <source>Evening of the 30th</source>
        <translation>مساء الثلاثين</translation>
    </message>
    <message>
        <source>M&amp;ap:</source>
        <translation>&amp;الخريطة:</translation>
    </message>
    <message>
        <source>The values of %1 cannot be read.</source>
        <translation>تتعذر قراءة قيم %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>New moon: %1 UTC (%2 local time in %3)</source>
        <translation>الاقتران: %1 بالتوقيت العالمي (%2 بالتوقيت المحلي في %3)</translation>
    </message>
    <message>
        <source>Computing the map…</source>
        <translation>جارٍ حساب الخريطة…</translation>
    </message>
    <message>
        <source>The map could not be saved:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>تعذر حفظ الخريطة:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>qarnivo::MapGMT</name>
    <message>
        <source>Regional Adjustment of Hijri Date</source>
        <translation>التعديل الإقليمي للتاريخ الهجري</translation>
    </message>
    <message>
        <source>Click to Close this map</source>
        <translation>انقر لإغلاق هذه الخريطة</translation>
    </message>
    <message>
        <source>Click to Close</source>
        <translation>انقر للإغلاق</translation>
    </message>
</context>
<context>
    <name>qarnivo::MonthStartsEditor</name>
    <message>
        <source>Announced month starts</source>
        <translation>بدايات الشهور المعلنة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>This month began a day earlier</source>
        <translation>بدأ هذا الشهر قبل يوم</translation>
    </message>
    <message>
        <source>This month began a day later</source>
        <translation>بدأ هذا الشهر بعد يوم</translation>
    </message>
    <message>
        <source>Import month starts...</source>
        <translation>استيراد بدايات الشهور...</translation>
    </message>
    <message>
        <source>Export month starts...</source>
        <translation>تصدير بدايات الشهور...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>تعذرت قراءة %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>تعذرت كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>qarnivo::Options</name>
    <message>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>The language changes when Qarnivo starts again.</source>
        <translation>تتغير اللغة عند تشغيل Qarnivo من جديد.</translation>
    </message>
    <message>
        <source>Setting Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Colour scheme %1</source>
        <translation>نظام الألوان %1</translation>
    </message>
    <message>
        <source>Sample of colour scheme %1</source>
        <translation>عينة نظام الألوان %1</translation>
    </message>
    <message>
        <source>Hijri Date Correction???</source>
        <translation>تصحيح التاريخ الهجري؟؟؟</translation>
    </message>
    <message>
        <source>Click to learn what the correction does</source>
        <translation>انقر لمعرفة عمل التصحيح</translation>
    </message>
    <message>
        <source>Move 2 Days Backward</source>
        <translation>الرجوع يومين</translation>
    </message>
    <message>
        <source>Move 1 Day Backward</source>
        <translation>الرجوع يومًا واحدًا</translation>
    </message>
    <message>
        <source>No Correction</source>
        <translation>بلا تصحيح</translation>
    </message>
    <message>
        <source>Move 1 Day Forward</source>
        <translation>التقدم يومًا واحدًا</translation>
    </message>
    <message>
        <source>Move 2 Days Forward</source>
        <translation>التقدم يومين</translation>
    </message>
    <message>
        <source>Apply Correction</source>
        <translation>تطبيق التصحيح</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>التقويم:</translation>
    </message>
    <message>
        <source>Arithmetical (tabular)</source>
        <translation>الحسابي (الجدولي)</translation>
    </message>
    <message>
        <source>Umm al-Qura (Saudi Arabia)</source>
        <translation>أم القرى (السعودية)</translation>
    </message>
    <message>
        <source>The Hijri day begins at sunset</source>
        <translation>يبدأ اليوم الهجري عند الغروب</translation>
    </message>
    <message>
        <source>From Maghrib in the default city, today is the next Hijri day.</source>
        <translation>من المغرب في المدينة الافتراضية يكون اليوم هو اليوم الهجري التالي.</translation>
    </message>
    <message>
        <source>Month starts...</source>
        <translation>بدايات الشهور...</translation>
    </message>
    <message>
        <source>The months whose start your community announced</source>
        <translation>الشهور التي أعلنت جماعتك بدايتها</translation>
    </message>
    <message>
        <source>Crescent criterion:</source>
        <translation>معيار الهلال:</translation>
    </message>
    <message>
        <source>Who judges whether the new crescent can be seen</source>
        <translation>من يحكم بإمكان رؤية الهلال الجديد</translation>
    </message>
    <message>
        <source>Click to Select Grid Color Schemes</source>
        <translation>انقر لاختيار ألوان الشبكة</translation>
    </message>
    <message>
        <source>			CORRECTION FOR HIJRI DATE<byte value="xd"/>
<byte value="xd"/>
The Hijri Calendar is based on LUNAR year. There are about 354.53059 days in a Lunar year while it is  about 365.2421989 days in Solar year. The date change takes place at  Mid-Night in Gregorian system while the change in date  takes place at Sun-Set in the Hijri date system. There  is no International Date Line in the Hijri System.  In view of above facts, the Hijri Calendar requires a slight  correction depending upon the place of its USE. This part  of the program helps you to make necessary correction.</source>
        <translation>			تصحيح التاريخ الهجري<byte value="xd"/>
<byte value="xd"/>
يقوم التقويم الهجري على السنة القمرية. ففي السنة القمرية نحو ٣٥٤٫٥٣٠٥٩ يومًا، وفي السنة الشمسية نحو ٣٦٥٫٢٤٢١٩٨٩ يومًا. يتغير التاريخ عند منتصف الليل في النظام الميلادي، بينما يتغير عند غروب الشمس في نظام التاريخ الهجري. ولا يوجد في النظام الهجري خط دولي للتاريخ. لذلك يحتاج التقويم الهجري إلى تصحيح طفيف بحسب مكان استعماله، وهذا الجزء من البرنامج يساعدك على إجراء التصحيح اللازم.</translation>
    </message>
    <message>
        <source>Prayer Times</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>الجمهور</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>الحنفي</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>Seventh of the night</source>
        <translation>سُبع الليل</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>زاوية الشفق</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;الطريقة:</translation>
    </message>
    <message>
        <source>&amp;Asr:</source>
        <translation>&amp;العصر:</translation>
    </message>
    <message>
        <source>&amp;High latitudes:</source>
        <translation>&amp;خطوط العرض العليا:</translation>
    </message>
    <message>
        <source>Minutes added to %1</source>
        <translation>دقائق تضاف إلى %1</translation>
    </message>
    <message>
        <source>Minutes added to each time:</source>
        <translation>دقائق تضاف إلى كل وقت:</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>نظام ٢٤ ساعة</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>إظهار في علبة النظام</translation>
    </message>
    <message>
        <source>Remind me at prayer times</source>
        <translation>ذكّرني بأوقات الصلاة</translation>
    </message>
</context>
<context>
    <name>qarnivo::PlaceChooser</name>
    <message>
        <source>Type part of a name, e.g. Mecca or Bombay</source>
        <translation>اكتب جزءًا من الاسم، مثل Mecca أو Bombay</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;المكان:</translation>
    </message>
    <message>
        <source>The default city</source>
        <translation>المدينة الافتراضية</translation>
    </message>
</context>
<context>
    <name>qarnivo::PrayerPanel</name>
    <message>
        <source>Time of %1</source>
        <translation>وقت %1</translation>
    </message>
    <message>
        <source>The default city&apos;s values cannot be read.</source>
        <translation>تتعذّر قراءة قيم المدينة الافتراضية.</translation>
    </message>
    <message>
        <source>Polar %1: %2 today</source>
        <translation>%1 قطبي: %2 اليوم</translation>
    </message>
</context>
<context>
    <name>qarnivo::PrayerTimesWindow</name>
    <message>
        <source>Prayer Times</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;التاريخ:</translation>
    </message>
    <message>
        <source>The day&apos;s prayer times</source>
        <translation>مواقيت صلاة اليوم</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; السابق</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>التالي &gt;</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>الشهر التالي</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Save as PD&amp;F...</source>
        <translation>&amp;حفظ بصيغة PDF...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;تصدير CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>The file could not be written:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>تعذرت كتابة الملف:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Prayer Times %1 %2</source>
        <translation>مواقيت الصلاة %1 %2</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>الطريقة: %1</translation>
    </message>
    <message>
        <source>No times: the latitude, longitude or GMT offset of %1 cannot be read.</source>
        <translation>لا مواقيت: تتعذر قراءة خط العرض أو خط الطول أو فرق التوقيت عن GMT لـ%1.</translation>
    </message>
    <message>
        <source>%1 AH</source>
        <translation>%1 هـ</translation>
    </message>
</context>
<context>
    <name>qarnivo::PrayerTray</name>
    <message>
        <source>&amp;Calendar</source>
        <translation>ال&amp;تقويم</translation>
    </message>
    <message>
        <source>&amp;Prayer Times</source>
        <translation>&amp;مواقيت الصلاة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
</context>
<context>
    <name>qarnivo::WwtimeCal</name>
    <message>
        <source>FREE Service: Ask Longitude &amp; Latitude of any place around the world from %1</source>
        <translation>خدمة مجانية: اسأل عن خط الطول وخط العرض لأي مكان في العالم عبر %1</translation>
    </message>
    <message>
        <source> Worldwide Sunrise/ Sunset/ Zawal Time Calculator</source>
        <translation> حاسبة أوقات الشروق والغروب والزوال حول العالم</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;تحديث</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;الدليل</translation>
    </message>
    <message>
        <source>&amp;GMT Offsets</source>
        <translation>&amp;فروق التوقيت عن GMT</translation>
    </message>
    <message>
        <source>&amp;Select City</source>
        <translation>&amp;اختيار المدينة</translation>
    </message>
    <message>
        <source>&amp;World GMT Map</source>
        <translation>&amp;خريطة توقيت العالم</translation>
    </message>
    <message>
        <source>Edit default City Info</source>
        <translation>تعديل بيانات المدينة الافتراضية</translation>
    </message>
    <message>
        <source>City Name</source>
        <translation>اسم المدينة</translation>
    </message>
    <message>
        <source>Latitude in º (deg)</source>
        <translation>خط العرض بالدرجات (º)</translation>
    </message>
    <message>
        <source>Longitude in º (deg)</source>
        <translation>خط الطول بالدرجات (º)</translation>
    </message>
    <message>
        <source>Offset from GMT (Hrs)</source>
        <translation>الفرق عن GMT (ساعات)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Show First at Startup</source>
        <translation>إظهار أولًا عند البدء</translation>
    </message>
    <message>
        <source>Open this window instead of the calendar at start</source>
        <translation>فتح هذه النافذة بدلًا من التقويم عند البدء</translation>
    </message>
    <message>
        <source>Select City by Double Click</source>
        <translation>اختر المدينة بالنقر المزدوج</translation>
    </message>
    <message>
        <source>Search city /string:</source>
        <translation>ابحث عن مدينة / نص:</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>البحث عن التالي</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>You can ADD a city</source>
        <translation>يمكنك إضافة مدينة</translation>
    </message>
    <message>
        <source>GMT Offsets (Hrs.)- Countries displayed in Alphabetical order</source>
        <translation>فروق التوقيت عن GMT (ساعات) - البلدان مرتبة أبجديًا</translation>
    </message>
    <message>
        <source>Search city /country:</source>
        <translation>ابحث عن مدينة / بلد:</translation>
    </message>
    <message>
        <source>You can ADD a City/ Country</source>
        <translation>يمكنك إضافة مدينة / بلد</translation>
    </message>
    <message>
        <source>Sunrise, Sunset and Zawal times for every place</source>
        <translation>أوقات الشروق والغروب والزوال لكل مكان</translation>
    </message>
    <message>
        <source> STOP </source>
        <translation> إيقاف </translation>
    </message>
    <message>
        <source>Visit: %1</source>
        <translation>زوروا: %1</translation>
    </message>
    <message>
        <source>Visit Tarvelonix Website</source>
        <translation>زيارة موقع Tarvelonix</translation>
    </message>
    <message>
        <source> START </source>
        <translation> تشغيل </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>The application folder is unknown.</source>
        <translation>مجلد البرنامج غير معروف.</translation>
    </message>
    <message>
        <source>Open the text file &apos;AddCity.txt&apos; and add a City/ Place information<byte value="xd"/>
in the given format ONLY. Erroneous entry may lead to Error.</source>
        <translation>افتح الملف النصي 'AddCity.txt' وأضف بيانات مدينة / مكان<byte value="xd"/>
بالصيغة المعطاة فقط. قد يؤدي الإدخال الخاطئ إلى خطأ.</translation>
    </message>
    <message>
        <source>Open the text file &apos;GMT Offsets.txt&apos; and add a Country or City<byte value="xd"/>
in the given format ONLY. Erroneous entry may lead to Error.</source>
        <translation>افتح الملف النصي 'GMT Offsets.txt' وأضف بلدًا أو مدينة<byte value="xd"/>
بالصيغة المعطاة فقط. قد يؤدي الإدخال الخاطئ إلى خطأ.</translation>
    </message>
    <message>
        <source>The boxes show a built-in city. Click Edit, then Update, to write the default city&apos;s file again; the page follows at the next opening of this window.</source>
        <translation>تعرض الخانات مدينة مدمجة. انقر «تعديل» ثم «تحديث» لكتابة ملف المدينة الافتراضية من جديد؛ وتظهر الصفحة عند فتح هذه النافذة في المرة التالية.</translation>
    </message>
    <message>
        <source>Re-install the program to restore its page file.</source>
        <translation>أعد تثبيت البرنامج لاستعادة ملف صفحته.</translation>
    </message>
    <message>
        <source>Correct the problem, then close this window and open it again.</source>
        <translation>أصلح المشكلة، ثم أغلق هذه النافذة وافتحها من جديد.</translation>
    </message>
    <message>
        <source>The page file is missing.</source>
        <translation>ملف الصفحة مفقود.</translation>
    </message>
    <message>
        <source>The sunrise, sunset and Zawal page cannot be shown.</source>
        <translation>يتعذر عرض صفحة الشروق والغروب والزوال.</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>لم يعد %1 موجودًا.</translation>
    </message>
</context>
<context>
    <name>qarnivo::frmqarnivo</name>
    <message>
        <source>Qarnivo with Worldwide Sunrise Sunset timings</source>
        <translation>Qarnivo مع أوقات الشروق والغروب حول العالم</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>الإ&amp;عدادات</translation>
    </message>
    <message>
        <source>&amp;ViewShort</source>
        <translation>عرض &amp;مختصر</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>ال&amp;يوم</translation>
    </message>
    <message>
        <source>Date &amp;Conversion</source>
        <translation>&amp;تحويل التاريخ</translation>
    </message>
    <message>
        <source>Sun&amp;riseSunset</source>
        <translation>ال&amp;شروق والغروب</translation>
    </message>
    <message>
        <source>&amp;Prayer Times</source>
        <translation>&amp;مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>الشهر التالي</translation>
    </message>
    <message>
        <source>Type a Hijri year and press GO</source>
        <translation>اكتب سنة هجرية واضغط «انتقال»</translation>
    </message>
    <message>
        <source> G  O </source>
        <translation> انتقال </translation>
    </message>
    <message>
        <source>Click to switch between Urdu and English day names</source>
        <translation>انقر للتبديل بين أسماء الأيام بالعربية والإنجليزية</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Change View Window</source>
        <translation>تغيير نافذة العرض</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>خط العرض:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>خط الطول:</translation>
    </message>
    <message>
        <source>TIME ZONE</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Thought of the Day</source>
        <translation>خاطرة اليوم</translation>
    </message>
    <message>
        <source>%1 %2 %3 Hijri</source>
        <translation>%1 %2 %3 هـ</translation>
    </message>
    <message>
        <source>%1, today, %2 %3 %4 %5</source>
        <translation>%1، اليوم، %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>%1, %2 %3 %4 %5</source>
        <translation>%1، %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Error - No. of Days is shown as %1. Contact software vendor for necessary<byte value="xd"/>
action. In the mean time the no. of days is being taken as 30.<byte value="xd"/>
</source>
        <translation>خطأ - عدد الأيام المعروض %1. اتصل بمورّد البرنامج لاتخاذ<byte value="xd"/>
الإجراء اللازم. وفي الأثناء يُعتمد عدد الأيام ٣٠.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tarvelonix Font is not installed in your system. You will not be<byte value="xd"/>
able to view Arabic DATE numbers in the calendar. You can<byte value="xd"/>
download and install it from the following website:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>الخط Tarvelonix غير مثبّت في نظامك. لن تتمكن من<byte value="xd"/>
رؤية أرقام التاريخ العربية في التقويم. يمكنك<byte value="xd"/>
تنزيله وتثبيته من الموقع التالي:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>* The Umm al-Qura table runs from %1 to %2 AH; this year follows the arithmetical calendar.</source>
        <translation>* يمتد جدول أم القرى من %1 إلى %2 هـ؛ وهذه السنة تتبع التقويم الحسابي.</translation>
    </message>
    <message>
        <source>It is time for %1 (%2) in %3.</source>
        <translation>حان وقت %1 (%2) في %3.</translation>
    </message>
    <message>
        <source>%1 prayer</source>
        <translation>صلاة %1</translation>
    </message>
    <message>
        <source>Tips of the Days</source>
        <translation>نصائح الأيام</translation>
    </message>
    <message>
        <source>Next Day Tip</source>
        <translation>نصيحة اليوم التالي</translation>
    </message>
    <message>
        <source>Print All Tips</source>
        <translation>طباعة كل النصائح</translation>
    </message>
    <message>
        <source>Export Occasions...</source>
        <translation>تصدير المناسبات...</translation>
    </message>
    <message>
        <source>&amp;New Crescent...</source>
        <translation>ال&amp;هلال الجديد...</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>الدلي&amp;ل</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>HIJRA - A Divine Calendar</source>
        <translation>الهجرة - تقويم إلهي</translation>
    </message>
    <message>
        <source>Hijri Calendar Features</source>
        <translation>مزايا التقويم الهجري</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>إصدار البرنامج</translation>
    </message>
    <message>
        <source>About Developers</source>
        <translation>عن المطوّرين</translation>
    </message>
    <message>
        <source>Get this Free Calendar</source>
        <translation>احصل على هذا التقويم المجاني</translation>
    </message>
    <message>
        <source>About Our Softwares</source>
        <translation>عن برامجنا</translation>
    </message>
    <message>
        <source>Double click to close</source>
        <translation>انقر نقرًا مزدوجًا للإغلاق</translation>
    </message>
    <message>
        <source>Double click for the translation of the readings</source>
        <translation>انقر نقرًا مزدوجًا لترجمة القراءات</translation>
    </message>
    <message>
        <source>Visit our web site</source>
        <translation>زوروا موقعنا على الويب</translation>
    </message>
    <message>
        <source>DONE! %1 occasions of %2 AH written to %3</source>
        <translation>تم! كُتبت %1 من مناسبات سنة %2 هـ في %3</translation>
    </message>
    <message>
        <source>In the Name of Allâh, the Most Beneficent, the Most Merciful.</source>
        <translation>بسم الله الرحمن الرحيم.</translation>
    </message>
    <message>
        <source>Click to change the colour</source>
        <translation>انقر لتغيير اللون</translation>
    </message>
    <message>
        <source>Double Click for more...</source>
        <translation>انقر نقرًا مزدوجًا للمزيد...</translation>
    </message>
    <message>
        <source>&amp;ViewFull</source>
        <translation>عرض &amp;كامل</translation>
    </message>
    <message>
        <source>Click SunriseSunset menu item to know the Sunrise and Sunset timings<byte value="xd"/>
of your city of choice. Want to know?<byte value="xd"/>
</source>
        <translation>انقر عنصر القائمة «الشروق والغروب» لمعرفة أوقات الشروق والغروب<byte value="xd"/>
في المدينة التي تختارها. أتريد أن تعرف؟<byte value="xd"/>
</translation>
    </message>
</context>
</TS>
