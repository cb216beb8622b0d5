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
    <message>
        <source>Sunrise, sunset and Zawal page</source>
        <translation>صفحة الشروق والغروب والزوال</translation>
    </message>
    <message>
        <source>Qibla from the default city</source>
        <translation>القبلة من المدينة الافتراضية</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>الثلث الأخير من الليل</translation>
    </message>
    <message>
        <source>Qibla compass</source>
        <translation>بوصلة القبلة</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>القبلة</translation>
    </message>
    <message>
        <source>Stop the adhan</source>
        <translation>إيقاف الأذان</translation>
    </message>
    <message>
        <source>Adhan and reminders</source>
        <translation>الأذان والتذكيرات</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Play the adhan now</source>
        <translation>تشغيل الأذان الآن</translation>
    </message>
</context>
<context>
    <name>CalendarNames</name>
    <message>
        <source>Muharram-ul-Haraam</source>
        <translation>محرم الحرام</translation>
    </message>
    <message>
        <source>Safar-ul-Muzaffar</source>
        <translation>صفر المظفر</translation>
    </message>
    <message>
        <source>Rabi-ul-Awwal</source>
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Rabi-ul-Aakhir</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>Jamaadil-Awwal</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jamaadil -Aakhir</source>
        <translation>جمادى الآخرة</translation>
    </message>
    <message>
        <source>Rajjab-ul-Marjab</source>
        <translation>رجب المرجب</translation>
    </message>
    <message>
        <source>Sha&apos;aban-ul-Moazzam</source>
        <translation>شعبان المعظم</translation>
    </message>
    <message>
        <source>Ramadhan-ul-Mubarak</source>
        <translation>رمضان المبارك</translation>
    </message>
    <message>
        <source>Shawwal-ul-Mukarram</source>
        <translation>شوال المكرم</translation>
    </message>
    <message>
        <source>Dhiquadat-ul-Haraam</source>
        <translation>ذو القعدة الحرام</translation>
    </message>
    <message>
        <source>Dhul-Hijjah</source>
        <translation>ذو الحجة</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Jumadil-Awwal</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumadis -Sani</source>
        <translation>جمادى الآخرة</translation>
    </message>
    <message>
        <source>Rajjab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha&apos;aban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadhan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Dhul-aquada</source>
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>السبت</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: write it as YYYY-MM-DD.</source>
        <translation>«%1» ليس تاريخًا: اكتبه بالصيغة YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>  (arithmetical: outside the Umm al-Qura table, %1 to %2 AH)</source>
        <translation>  (حسابي: خارج جدول أم القرى، من %1 إلى %2 هـ)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 = %5 (from Maghrib)</source>
        <translation>%1  %2  %3  %4 = %5 (من المغرب)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 = %5</source>
        <translation>%1  %2  %3  %4 = %5</translation>
    </message>
    <message>
        <source>Name at least one date, written YYYY-MM-DD.</source>
        <translation>اذكر تاريخًا واحدًا على الأقل بالصيغة YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>Calendar: Umm al-Qura (Saudi Arabia), correction %1 days</source>
        <translation>التقويم: أم القرى (المملكة العربية السعودية)، التصحيح %1 يوم</translation>
    </message>
    <message>
        <source>Calendar: arithmetical (tabular), correction %1 days</source>
        <translation>التقويم: الحسابي (الجدولي)، التصحيح %1 يوم</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Hijri month: write it as YYYY-MM.</source>
        <translation>«%1» ليس شهرًا هجريًا: اكتبه بالصيغة YYYY-MM.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> Su  Mo  Tu  We  Th  Fr  Sa</source>
        <translation>  ح   ن   ث   ر   خ   ج   س</translation>
    </message>
    <message>
        <source>1 %1 = %2; %3 %1 = %4</source>
        <translation>١ %1 = %2؛ %3 %1 = %4</translation>
    </message>
    <message>
        <source>Name the Hijri year with --hijri-year, 1 to %1.</source>
        <translation>اذكر السنة الهجرية بالخيار --hijri-year، من ١ إلى %1.</translation>
    </message>
    <message>
        <source>%1 occasions of %2 AH written to %3</source>
        <translation>كُتبت %1 مناسبة من سنة %2 هـ في %3</translation>
    </message>
    <message>
        <source>The correction is a whole number of days, such as -1 or 2.</source>
        <translation>التصحيح عدد صحيح من الأيام، مثل -1 أو 2.</translation>
    </message>
    <message>
        <source>The calendar is tabular or umm-al-qura.</source>
        <translation>التقويم هو tabular أو umm-al-qura.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a month start: write it as YYYY-MM=YYYY-MM-DD, from %2 to %3 AH.</source>
        <translation>«%1» ليس بداية شهر: اكتبها بالصيغة YYYY-MM=YYYY-MM-DD، من %2 إلى %3 هـ.</translation>
    </message>
    <message>
        <source>Set aside: %1</source>
        <translation>مُستبعَد: %1</translation>
    </message>
    <message>
        <source>The language is en, ar or ur.</source>
        <translation>اللغة هي en أو ar أو ur.</translation>
    </message>
    <message>
        <source>The criterion is odeh or yallop.</source>
        <translation>المعيار هو odeh أو yallop.</translation>
    </message>
    <message>
        <source>The elevation is %1 to %2 metres.</source>
        <translation>الارتفاع من %1 إلى %2 متر.</translation>
    </message>
    <message>
        <source>The new crescent is computed from %1 to %2.</source>
        <translation>يُحسب الهلال الجديد من %1 إلى %2.</translation>
    </message>
    <message>
        <source>%1 %2 UTC</source>
        <translation>%1 %2 بالتوقيت العالمي</translation>
    </message>
    <message>
        <source>Odeh V %1</source>
        <translation>عودة V %1</translation>
    </message>
    <message>
        <source>Yallop q %1</source>
        <translation>يالوب q %1</translation>
    </message>
    <message>
        <source>%1: not visible, %2</source>
        <translation>%1: غير مرئي، %2</translation>
    </message>
    <message>
        <source>%1: %2 (zone %3)</source>
        <translation>%1: %2 (المنطقة %3)</translation>
    </message>
    <message>
        <source>%1: %2 (class %3)</source>
        <translation>%1: %2 (الفئة %3)</translation>
    </message>
    <message>
        <source>%1, evening of %2 (UTC%3%4)</source>
        <translation>%1، مساء %2 (UTC%3%4)</translation>
    </message>
    <message>
        <source>Conjunction  %1</source>
        <translation>الاقتران     %1</translation>
    </message>
    <message>
        <source>Sunset       %1</source>
        <translation>الغروب       %1</translation>
    </message>
    <message>
        <source>Moonset      %1</source>
        <translation>غروب القمر   %1</translation>
    </message>
    <message>
        <source>Lag          %1</source>
        <translation>المكث        %1</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> دقيقة</translation>
    </message>
    <message>
        <source>Moon&apos;s age   %1</source>
        <translation>عمر القمر    %1</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> ساعة</translation>
    </message>
    <message>
        <source>Give --latitude (-90 to 90, north positive) and --longitude (-180 to 180, east positive) together.</source>
        <translation>أعطِ ‎--latitude (من ‎-90 إلى 90، الشمال موجب) و‎--longitude (من ‎-180 إلى 180، الشرق موجب) معًا.</translation>
    </message>
    <message>
        <source>--crescent-map needs --date YYYY-MM-DD and --output FILE.png.</source>
        <translation>يحتاج ‎--crescent-map إلى ‎--date YYYY-MM-DD و‎--output FILE.png.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Prints whether the new crescent can be seen on the evening of --date (default today) at the default city or the place given.</source>
        <translation>يطبع ما إذا كان الهلال الجديد يُرى مساء ‎--date (اليوم افتراضيًا) في المدينة الافتراضية أو المكان المعطى.</translation>
    </message>
    <message>
        <source>Draws where on Earth the new crescent can be seen on the evening of --date as a PNG picture, --output FILE.png.</source>
        <translation>يرسم أماكن رؤية الهلال الجديد على الأرض مساء ‎--date في صورة PNG، ‎--output FILE.png.</translation>
    </message>
    <message>
        <source>The place&apos;s height above sea level, -500 to 9000 metres (default 0).</source>
        <translation>ارتفاع المكان عن سطح البحر، من ‎-500 إلى 9000 متر (افتراضيًا 0).</translation>
    </message>
    <message>
        <source>odeh or yallop (default: the stored choice, else odeh).</source>
        <translation>odeh أو yallop (افتراضيًا: الاختيار المحفوظ، وإلا odeh).</translation>
    </message>
    <message>
        <source>The picture --crescent-map writes.</source>
        <translation>الصورة التي يكتبها ‎--crescent-map.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date from %2 to %3: write it as YYYY-MM-DD.</source>
        <translation>«%1» ليس تاريخًا من %2 إلى %3: اكتبه بالصيغة YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The default city cannot be read: give --latitude, --longitude and --utc-offset.</source>
        <translation>تتعذّر قراءة المدينة الافتراضية: أعطِ ‎--latitude و‎--longitude و‎--utc-offset.</translation>
    </message>
    <message>
        <source>Give --latitude, --longitude and --utc-offset together.</source>
        <translation>أعطِ ‎--latitude و‎--longitude و‎--utc-offset معًا.</translation>
    </message>
    <message>
        <source>The latitude is -90 to 90 (north positive), the longitude -180 to 180 (east positive) and the UTC offset -12 to 14 hours (east positive).</source>
        <translation>خط العرض من ‎-90 إلى 90 (الشمال موجب)، وخط الطول من ‎-180 إلى 180 (الشرق موجب)، وفرق التوقيت عن UTC من ‎-12 إلى 14 ساعة (الشرق موجب).</translation>
    </message>
    <message>
        <source>The method is one of: %1.</source>
        <translation>الطريقة إحدى: %1.</translation>
    </message>
    <message>
        <source>The Asr rule is standard or hanafi.</source>
        <translation>قاعدة العصر هي standard أو hanafi.</translation>
    </message>
    <message>
        <source>The high-latitude rule is one of: %1.</source>
        <translation>قاعدة العروض العليا إحدى: %1.</translation>
    </message>
    <message>
        <source>--prayer-times takes no dates of its own: use --date.</source>
        <translation>لا يأخذ ‎--prayer-times تواريخ خاصة به: استخدم ‎--date.</translation>
    </message>
    <message>
        <source>%1, %2 (%3, Hanafi Asr)</source>
        <translation>%1، %2 (%3، العصر وفق الحنفية)</translation>
    </message>
    <message>
        <source>%1, %2 (%3, standard Asr)</source>
        <translation>%1، %2 (%3، العصر وفق الجمهور)</translation>
    </message>
    <message>
        <source>  (%1: %2)</source>
        <translation>  (%1: %2)</translation>
    </message>
    <message>
        <source>Prints the day&apos;s prayer times (default city and today unless told).</source>
        <translation>يطبع مواقيت الصلاة لليوم (المدينة الافتراضية واليوم ما لم يُحدَّد غير ذلك).</translation>
    </message>
    <message>
        <source>The day of --prayer-times, --crescent or --crescent-map, YYYY-MM-DD.</source>
        <translation>يوم ‎--prayer-times أو ‎--crescent أو ‎--crescent-map، بالصيغة YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>Latitude in degrees, north positive.</source>
        <translation>خط العرض بالدرجات، الشمال موجب.</translation>
    </message>
    <message>
        <source>Longitude in degrees, east positive.</source>
        <translation>خط الطول بالدرجات، الشرق موجب.</translation>
    </message>
    <message>
        <source>Hours ahead of UTC, east positive (5.5 for India).</source>
        <translation>الساعات المتقدمة على UTC، الشرق موجب (5.5 للهند).</translation>
    </message>
    <message>
        <source>Daylight saving time: one hour later.</source>
        <translation>التوقيت الصيفي: ساعة واحدة لاحقًا.</translation>
    </message>
    <message>
        <source>mwl, isna, egypt, karachi, umm-al-qura, dubai, moonsighting-committee, kuwait, qatar, singapore, tehran or turkey.</source>
        <translation>mwl أو isna أو egypt أو karachi أو umm-al-qura أو dubai أو moonsighting-committee أو kuwait أو qatar أو singapore أو tehran أو turkey.</translation>
    </message>
    <message>
        <source>standard or hanafi.</source>
        <translation>standard أو hanafi.</translation>
    </message>
    <message>
        <source>middle-of-the-night, seventh-of-the-night or twilight-angle.</source>
        <translation>middle-of-the-night أو seventh-of-the-night أو twilight-angle.</translation>
    </message>
    <message>
        <source>The default city cannot be read: the Hijri day changes at midnight.</source>
        <translation>تتعذّر قراءة المدينة الافتراضية: يتغيّر اليوم الهجري عند منتصف الليل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a clock time: write it as YYYY-MM-DDTHH:MM.</source>
        <translation>«%1» ليس وقتًا: اكتبه بالصيغة YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>The day starts at sunset or midnight.</source>
        <translation>يبدأ اليوم عند الغروب (sunset) أو منتصف الليل (midnight).</translation>
    </message>
    <message>
        <source>%1 See Qarnivo --help.</source>
        <translation>%1 انظر Qarnivo --help.</translation>
    </message>
    <message>
        <source>Unknown option: %1.</source>
        <translation>خيار غير معروف: %1.</translation>
    </message>
    <message>
        <source>Qarnivo, the Hijri calendar. Without options it opens its windows.</source>
        <translation>Qarnivo، التقويم الهجري. يفتح نوافذه إذا لم تُعطَ خيارات.</translation>
    </message>
    <message>
        <source>Converts each Gregorian DATE (Julian before 15 October 1582) to Hijri.</source>
        <translation>يحوّل كل تاريخ DATE ميلادي (يولياني قبل 15 أكتوبر 1582) إلى هجري.</translation>
    </message>
    <message>
        <source>Converts each Hijri DATE to Gregorian.</source>
        <translation>يحوّل كل تاريخ DATE هجري إلى ميلادي.</translation>
    </message>
    <message>
        <source>Prints today&apos;s Hijri and Gregorian date.</source>
        <translation>يطبع تاريخ اليوم الهجري والميلادي.</translation>
    </message>
    <message>
        <source>--today as at a clock time of the default city&apos;s UTC offset, YYYY-MM-DDTHH:MM.</source>
        <translation>‎--today كما في وقت معيّن بتوقيت المدينة الافتراضية، YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>sunset (the Hijri day begins at the default city&apos;s Maghrib) or midnight (default: the stored choice).</source>
        <translation>sunset (يبدأ اليوم الهجري عند مغرب المدينة الافتراضية) أو midnight (افتراضيًا: الاختيار المحفوظ).</translation>
    </message>
    <message>
        <source>Prints a Hijri month (YYYY-MM, default today&apos;s) as a week grid.</source>
        <translation>يطبع شهرًا هجريًا (YYYY-MM، افتراضيًا شهر اليوم) في جدول أسابيع.</translation>
    </message>
    <message>
        <source>Writes the occasions of a Hijri year as an iCalendar FILE.</source>
        <translation>يكتب مناسبات سنة هجرية في ملف iCalendar ‏FILE.</translation>
    </message>
    <message>
        <source>The Hijri year to export.</source>
        <translation>السنة الهجرية المراد تصديرها.</translation>
    </message>
    <message>
        <source>tabular or umm-al-qura (default: the stored choice, else tabular).</source>
        <translation>tabular أو umm-al-qura (افتراضيًا: الاختيار المحفوظ، وإلا tabular).</translation>
    </message>
    <message>
        <source>The day correction of the Options window (default: the stored one): Hijri dates lie N days later.</source>
        <translation>تصحيح الأيام في نافذة الخيارات (افتراضيًا: المحفوظ): تتأخر التواريخ الهجرية N يومًا.</translation>
    </message>
    <message>
        <source>A Hijri month&apos;s announced 1st, such as 1447-09=2026-02-18, on top of the stored ones; may be given again.</source>
        <translation>غرّة شهر هجري معلنة، مثل 1447-09=2026-02-18، فوق المحفوظة؛ ويجوز تكرارها.</translation>
    </message>
    <message>
        <source>Announced 1sts from a FILE, one &quot;1447-09 2026-02-18&quot; a line.</source>
        <translation>غُرر معلنة من ملف FILE، واحدة في كل سطر &quot;1447-09 2026-02-18&quot;.</translation>
    </message>
    <message>
        <source>The language of the answer: en, ar or ur (default: the stored choice, else the system&apos;s).</source>
        <translation>لغة الإجابة: en أو ar أو ur (افتراضيًا: الاختيار المحفوظ، وإلا لغة النظام).</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>يعرض هذه المساعدة.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>يعرض الإصدار.</translation>
    </message>
    <message>
        <source>A date written YYYY-MM-DD.</source>
        <translation>تاريخ مكتوب بالصيغة YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--%1 and --%2 do not go together.</source>
        <translation>لا يجتمع ‎--%1 و‎--%2.</translation>
    </message>
    <message>
        <source>--%1 does not take %2.</source>
        <translation>لا يأخذ ‎--%1 ‏%2.</translation>
    </message>
    <message>
        <source>The default city cannot be read: give --latitude and --longitude.</source>
        <translation>تتعذّر قراءة المدينة الافتراضية: أعطِ ‎--latitude و‎--longitude.</translation>
    </message>
    <message>
        <source>Prints the direction of the Kaaba and the distance to it from the default city or the place given.</source>
        <translation>يطبع اتجاه الكعبة والمسافة إليها من المدينة الافتراضية أو من المكان المعطى.</translation>
    </message>
    <message>
        <source>Prints each date, a month (one object, its week rows as arrays) or the prayer times, the crescent or the Qibla as a JSON object, one a line; &quot;source&quot; tells whether its Hijri month was announced.</source>
        <translation>يطبع كل تاريخ، أو شهرًا (كائنًا واحدًا، صفوف أسابيعه مصفوفات)، أو مواقيت الصلاة، أو الهلال، أو القبلة، كائن JSON في كل سطر؛ ويبيّن &quot;source&quot; ما إذا كان شهره الهجري معلنًا.</translation>
    </message>
    <message>
        <source>No command: give one of --convert, --to-gregorian, --today, --month, --export-ics, --prayer-times, --crescent, --crescent-map or --qibla.</source>
        <translation>لا أمر: أعطِ أحد ‎--convert أو ‎--to-gregorian أو ‎--today أو ‎--month أو ‎--export-ics أو ‎--prayer-times أو ‎--crescent أو ‎--crescent-map أو ‎--qibla.</translation>
    </message>
    <message>
        <source>No command for %1: give one of --convert, --to-gregorian, --today, --month, --export-ics, --prayer-times, --crescent, --crescent-map or --qibla.</source>
        <translation>لا أمر لـ %1: أعطِ أحد ‎--convert أو ‎--to-gregorian أو ‎--today أو ‎--month أو ‎--export-ics أو ‎--prayer-times أو ‎--crescent أو ‎--crescent-map أو ‎--qibla.</translation>
    </message>
</context>
<context>
    <name>Crescent</name>
    <message>
        <source>visible by naked eye</source>
        <translation>مرئي بالعين المجردة</translation>
    </message>
    <message>
        <source>visible with optical aid, could be seen by naked eye</source>
        <translation>مرئي بالأجهزة البصرية، وقد يُرى بالعين المجردة</translation>
    </message>
    <message>
        <source>visible with optical aid only</source>
        <translation>مرئي بالأجهزة البصرية فقط</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>غير مرئي</translation>
    </message>
    <message>
        <source>easily visible</source>
        <translation>مرئي بسهولة</translation>
    </message>
    <message>
        <source>visible under perfect conditions</source>
        <translation>مرئي في ظروف مثالية</translation>
    </message>
    <message>
        <source>may need optical aid to find the crescent</source>
        <translation>قد يلزم جهاز بصري لإيجاد الهلال</translation>
    </message>
    <message>
        <source>will need optical aid to find the crescent</source>
        <translation>يلزم جهاز بصري لإيجاد الهلال</translation>
    </message>
    <message>
        <source>not visible with a telescope</source>
        <translation>غير مرئي بالمقراب</translation>
    </message>
    <message>
        <source>not visible, below the Danjon limit</source>
        <translation>غير مرئي، دون حدّ دانجون</translation>
    </message>
    <message>
        <source>the evening is before the new moon</source>
        <translation>المساء قبل الاقتران</translation>
    </message>
    <message>
        <source>the Moon sets before the Sun</source>
        <translation>يغرب القمر قبل الشمس</translation>
    </message>
    <message>
        <source>the Sun does not set</source>
        <translation>لا تغرب الشمس</translation>
    </message>
    <message>
        <source>the Moon does not set</source>
        <translation>لا يغرب القمر</translation>
    </message>
    <message>
        <source>Odeh (2006)</source>
        <translation>عودة (٢٠٠٦)</translation>
    </message>
    <message>
        <source>Yallop (1997)</source>
        <translation>يالوب (١٩٩٧)</translation>
    </message>
    <message>
        <source>Yallop %1</source>
        <translation>يالوب %1</translation>
    </message>
    <message>
        <source>Odeh %1</source>
        <translation>عودة %1</translation>
    </message>
    <message>
        <source>not visible (%1): %2</source>
        <translation>غير مرئي (%1): %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not visible; the month is completed to 30 days by sighting here</source>
        <translation>غير مرئي؛ يُتمّ الشهر ثلاثين يومًا بالرؤية هنا</translation>
    </message>
    <message>
        <source>New crescent on the evening of %1: %2</source>
        <translation>الهلال الجديد مساء %1: %2</translation>
    </message>
    <message>
        <source> min</source>
        <translation> دقيقة</translation>
    </message>
    <message>
        <source> h</source>
        <translation> ساعة</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>الغروب</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>غروب القمر</translation>
    </message>
    <message>
        <source>Lag</source>
        <translation>المكث</translation>
    </message>
    <message>
        <source>Moon&apos;s age at sunset</source>
        <translation>عمر القمر عند الغروب</translation>
    </message>
    <message>
        <source>ARCL (geocentric)</source>
        <translation>ARCL (مركزي أرضي)</translation>
    </message>
    <message>
        <source>ARCV (geocentric)</source>
        <translation>ARCV (مركزي أرضي)</translation>
    </message>
    <message>
        <source>Yallop&apos;s class</source>
        <translation>فئة يالوب</translation>
    </message>
    <message>
        <source>Odeh&apos;s zone</source>
        <translation>منطقة عودة</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>تعذّر إنشاء الصورة.</translation>
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
    <name>DateLines</name>
    <message>
        <source>%1, %2 - %3 Hijri</source>
        <translation>%1 %2 %3 هـ</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hijri</source>
        <translation>%1 %2 %3 هـ</translation>
    </message>
    <message>
        <source>%1, %2 - %3 AD</source>
        <translation>%1 %2 %3 م</translation>
    </message>
    <message>
        <source>Check Date Range. Date value must be between:<byte value="xd"/>
<byte value="xd"/>
1, Muharram 1 AH and 2, Rabi-ul-Aakhir 9666 AH<byte value="xd"/>
	   Corresponding to:<byte value="xd"/>
   16, July 622 AD and 31, December 9999 AD</source>
        <translation>تحقق من نطاق التاريخ. يجب أن يقع التاريخ بين:<byte value="xd"/>
<byte value="xd"/>
١ محرم ١ هـ و٢ ربيع الآخر ٩٦٦٦ هـ<byte value="xd"/>
	   الموافق:<byte value="xd"/>
   ١٦ يوليو ٦٢٢ م و٣١ ديسمبر ٩٩٩٩ م</translation>
    </message>
    <message>
        <source>Invalid year value. Hijri year value should be between<byte value="xd"/>
<byte value="xd"/>
	      1 AH and 9666 AH</source>
        <translation>قيمة السنة غير صحيحة. يجب أن تكون السنة الهجرية بين<byte value="xd"/>
<byte value="xd"/>
	      ١ هـ و٩٦٦٦ هـ</translation>
    </message>
    <message>
        <source>Eve of %1 %2 %3</source>
        <translation>ليلة %1 %2 %3</translation>
    </message>
    <message>
        <source>No Maghrib today: the Hijri day changes at midnight</source>
        <translation>لا مغرب اليوم: يتغير اليوم الهجري عند منتصف الليل</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk took only part of it</source>
        <translation>لم يستوعب القرص إلا جزءًا منه</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>not every byte could be written</source>
        <translation>تعذّرت كتابة بعض البايتات</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>مجلده غير موجود</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>لا يوجد إذن بذلك</translation>
    </message>
    <message>
        <source>it could not be read to the end</source>
        <translation>تعذّرت قراءته حتى نهايته</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>تعذّر أن يحلّ الملف الجديد محل القديم</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV ‏(*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>مستندات PDF ‏(*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>ملفات التقويم (*.ics)</translation>
    </message>
    <message>
        <source>it cannot be played</source>
        <translation>لا يمكن تشغيله</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Qarnivo of Tarvelonix<byte value="xd"/>
	Version: %1.%2</source>
        <translation>Qarnivo من Tarvelonix<byte value="xd"/>
	الإصدار: %1.%2</translation>
    </message>
    <message>
        <source>No program to show PDF documents was found, so this file cannot be opened:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Install a PDF viewer (for example Evince or Okular) to read it.</source>
        <translation>لم يُعثر على برنامج لعرض مستندات PDF، لذا يتعذّر فتح هذا الملف:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
ثبّت عارض PDF (مثل Evince أو Okular) لقراءته.</translation>
    </message>
    <message>
        <source>Please visit our website addressed below to know about us.<byte value="xd"/>
<byte value="xd"/>
	  %1<byte value="xd"/>
</source>
        <translation>يُرجى زيارة موقعنا المذكور أدناه للتعرّف علينا.<byte value="xd"/>
<byte value="xd"/>
	  %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Qarnivo is free of cost. Write to us at %1<byte value="xd"/>
or visit us in the town of Bhubaneswar, India.<byte value="xd"/>
The newest copy of this calendar can always be had free of cost<byte value="xd"/>
from our web site:<byte value="xd"/>
	%2</source>
        <translation>Qarnivo مجاني. راسلونا على %1<byte value="xd"/>
أو زورونا في مدينة بوبانسوار بالهند.<byte value="xd"/>
ويمكن الحصول دائمًا على أحدث نسخة من هذا التقويم مجانًا<byte value="xd"/>
من موقعنا:<byte value="xd"/>
	%2</translation>
    </message>
    <message>
        <source>      INTERPRETATION OF THE MEANING OF THE NOBLE QURAN<byte value="xd"/>
Translated into the English Language By<byte value="xd"/>
Mohammed Marmaduke Pickthall (The Meaning of the Glorious Koran, 1930)<byte value="xd"/>
Text from a public-domain plain-text edition of Pickthall&apos;s translation.</source>
        <translation>      ترجمة معاني القرآن الكريم<byte value="xd"/>
إلى اللغة الإنجليزية بقلم<byte value="xd"/>
محمد مارمادوك بكتال (The Meaning of the Glorious Koran، 1930)<byte value="xd"/>
النص من طبعة نصية عامة الملكية لترجمة بكتال.</translation>
    </message>
    <message>
        <source>OUR SOFTWARE<byte value="xd"/>
<byte value="xd"/>
Qarnivo - the Hijri calendar with worldwide sunrise, sunset and Zawal timings.<byte value="xd"/>
<byte value="xd"/>
For details of our other work please visit %1<byte value="xd"/>
<byte value="xd"/>
DOUBLE CLICK TO CLOSE<byte value="xd"/>
</source>
        <translation>برامجنا<byte value="xd"/>
<byte value="xd"/>
Qarnivo - التقويم الهجري مع أوقات الشروق والغروب والزوال في أنحاء العالم.<byte value="xd"/>
<byte value="xd"/>
لتفاصيل أعمالنا الأخرى يُرجى زيارة %1<byte value="xd"/>
<byte value="xd"/>
انقر نقرًا مزدوجًا للإغلاق<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The Year Value must be between 1 AH &amp; 20874 AH</source>
        <translation>يجب أن تقع السنة بين ١ هـ و٢٠٨٧٤ هـ</translation>
    </message>
    <message>
        <source>The Year Value must be between 622 AD &amp; 20874 AD i.e.<byte value="xd"/>
from 1st Muharram 1 Hijri to 30.05.20874 AH/AD</source>
        <translation>يجب أن تقع السنة بين ٦٢٢ م و٢٠٨٧٤ م، أي<byte value="xd"/>
من ١ محرم ١ هـ إلى ٣٠.٠٥.٢٠٨٧٤ هـ/م</translation>
    </message>
    <message>
        <source>Invalid Date. Dates prior to 16th July 622 AD (i.e. Before Hijri Era)<byte value="xd"/>
might yield erroneous by this program.</source>
        <translation>تاريخ غير صحيح. التواريخ السابقة لـ١٦ يوليو ٦٢٢ م (أي قبل التقويم الهجري)<byte value="xd"/>
قد يُخطئ فيها هذا البرنامج.</translation>
    </message>
    <message>
        <source>Invalid Date. Dates beyond 30th May 20874 AD shall<byte value="xd"/>
might yield erroneous by this program.</source>
        <translation>تاريخ غير صحيح. التواريخ بعد ٣٠ مايو ٢٠٨٧٤ م<byte value="xd"/>
قد يُخطئ فيها هذا البرنامج.</translation>
    </message>
    <message>
        <source>INVALID DATE, DAY VALUE SHOULD BE UPTO 29</source>
        <translation>تاريخ غير صحيح، يجب ألا يتجاوز اليوم ٢٩</translation>
    </message>
    <message>
        <source>Invalid date, Day value should be upto 28</source>
        <translation>تاريخ غير صحيح، يجب ألا يتجاوز اليوم ٢٨</translation>
    </message>
    <message>
        <source>Invalid date, Day value should be upto 30</source>
        <translation>تاريخ غير صحيح، يجب ألا يتجاوز اليوم ٣٠</translation>
    </message>
    <message>
        <source>Invalid Date. Dates between 5th October 1582 &amp; 14th October 1582<byte value="xd"/>
are not valid due to adustment of in between 10 days to make the<byte value="xd"/>
Gregorian at par with Julian Calendar.</source>
        <translation>تاريخ غير صحيح. التواريخ بين ٥ أكتوبر ١٥٨٢ و١٤ أكتوبر ١٥٨٢<byte value="xd"/>
غير صالحة، إذ حُذفت هذه الأيام العشرة عند الانتقال<byte value="xd"/>
من التقويم اليولياني إلى التقويم الغريغوري.</translation>
    </message>
    <message>
        <source>Invalid Date. Dates beyond to 30th Jumadil-Awwal 20874 AH<byte value="xd"/>
might yield erroneous by this program.</source>
        <translation>تاريخ غير صحيح. التواريخ بعد ٣٠ جمادى الأولى ٢٠٨٧٤ هـ<byte value="xd"/>
قد يُخطئ فيها هذا البرنامج.</translation>
    </message>
    <message>
        <source>Invalid date, %1 %2 has %3 days</source>
        <translation>تاريخ غير صحيح، عدد أيام %1 %2 هو %3</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>Months from %1 to %2 AH may be announced.</source>
        <translation>يمكن إعلان الشهور من %1 إلى %2 هـ.</translation>
    </message>
    <message>
        <source> (set aside: %1)</source>
        <translation> (مُستبعَد: %1)</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>write the Hijri month and the Gregorian day it began, such as 1447-09 2026-02-18</source>
        <translation>اكتب الشهر الهجري واليوم الميلادي الذي بدأ فيه، مثل 1447-09 2026-02-18</translation>
    </message>
    <message>
        <source>months from %1 to %2 AH may be announced</source>
        <translation>يمكن إعلان الشهور من %1 إلى %2 هـ</translation>
    </message>
    <message>
        <source>%1 is no date</source>
        <translation>%1 ليس تاريخًا</translation>
    </message>
    <message>
        <source>With %1, %2 would have %3 days; a month has 29 or 30.</source>
        <translation>مع %1 يصبح عدد أيام %2 هو %3؛ والشهر ٢٩ أو ٣٠ يومًا.</translation>
    </message>
    <message>
        <source>%1 is %2 days after the calendar&apos;s 1st of that month, %3; an announced month begins at most %4 days from it.</source>
        <translation>%1 يقع بعد أول ذلك الشهر في التقويم (%3) بـ%2 يوم؛ ولا يبدأ الشهر المعلن على أكثر من %4 يوم منه.</translation>
    </message>
    <message>
        <source>%1 is %2 days before the calendar&apos;s 1st of that month, %3; an announced month begins at most %4 days from it.</source>
        <translation>%1 يقع قبل أول ذلك الشهر في التقويم (%3) بـ%2 يوم؛ ولا يبدأ الشهر المعلن على أكثر من %4 يوم منه.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1 %1 = %2</source>
        <translation>١ %1 = %2</translation>
    </message>
    <message>
        <source>Begun by announcement on %1</source>
        <translation>بدأ بالإعلان في %1</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 موجود من قبل في السطر %2</translation>
    </message>
    <message>
        <source>Line %1 of the file: %2.</source>
        <translation>السطر %1 من الملف: %2.</translation>
    </message>
</context>
<context>
    <name>Occasions</name>
    <message>
        <source>Imam Husain &apos;RA&apos; reaches Karbala</source>
        <translation>وصول الإمام الحسين رضي الله عنه إلى كربلاء</translation>
    </message>
    <message>
        <source>Karbala: the water of the Furaat closed to Imam Husain &apos;RA&apos; &amp;&amp; his family</source>
        <translation>كربلاء: منع ماء الفرات عن الإمام الحسين رضي الله عنه وأهل بيته</translation>
    </message>
    <message>
        <source>Karbala: day of Hazrat Abbas Alamdar &apos;RA&apos;</source>
        <translation>كربلاء: يوم العباس بن علي حامل اللواء رضي الله عنه</translation>
    </message>
    <message>
        <source>Shab-e-Shahadat of Ahle-Bait &apos;RA&apos;</source>
        <translation>ليلة استشهاد أهل البيت رضي الله عنهم</translation>
    </message>
    <message>
        <source>Youm-e-Aa&apos;shurah/ Youm-e-Shahadat Imam Husain &apos;RA&apos;</source>
        <translation>يوم عاشوراء/ يوم استشهاد الإمام الحسين رضي الله عنه</translation>
    </message>
    <message>
        <source>Wafat Hazrat Muhammad bin Hanafiyya &apos;RA&apos;</source>
        <translation>وفاة محمد بن الحنفية رضي الله عنه</translation>
    </message>
    <message>
        <source>Wafat Imam Zain-ul-Abideen &apos;RA&apos;</source>
        <translation>وفاة الإمام زين العابدين رضي الله عنه</translation>
    </message>
    <message>
        <source>Wafat Hazrat Bilal Habshi &apos;RA&apos;</source>
        <translation>وفاة بلال الحبشي رضي الله عنه</translation>
    </message>
    <message>
        <source>Aakhri-Chahar Shamba</source>
        <translation>آخر أربعاء من صفر</translation>
    </message>
    <message>
        <source>Youm-e-Shahadat Imam Hasan &apos;RA&apos;</source>
        <translation>يوم استشهاد الإمام الحسن رضي الله عنه</translation>
    </message>
    <message>
        <source>Eid-Milad-un-Nabi, Wiladat/ Wafat Hazrat Muhammad &apos;SA&apos;</source>
        <translation>المولد النبوي الشريف، مولد/ وفاة النبي محمد صلى الله عليه وسلم</translation>
    </message>
    <message>
        <source>Wafat Hazrat Khwaja Ghulam Farid &apos;RA&apos;</source>
        <translation>وفاة الخواجة غلام فريد رحمه الله</translation>
    </message>
    <message>
        <source>Gayarwheen Sharif</source>
        <translation>الحادية عشرة الشريفة</translation>
    </message>
    <message>
        <source>Urs-Hazrat Nizamuddin Auliya &apos;RA&apos;, Delhi</source>
        <translation>عرس نظام الدين أولياء رحمه الله، دلهي</translation>
    </message>
    <message>
        <source>Wafat Hazrat Abu Bakr Siddiq &apos;RA&apos;</source>
        <translation>وفاة أبي بكر الصديق رضي الله عنه</translation>
    </message>
    <message>
        <source>Wafat Imam Ali Naqi &apos;RA&apos;</source>
        <translation>وفاة الإمام علي النقي رضي الله عنه</translation>
    </message>
    <message>
        <source>Urs-Hazrat Khwaja Moinuddin Chishti &apos;RA&apos;, Ajmer Sharif</source>
        <translation>عرس الخواجة معين الدين الجشتي رحمه الله، أجمير الشريف</translation>
    </message>
    <message>
        <source>Youm-e-Wiladat Hazrat Ali &apos;RA&apos;</source>
        <translation>يوم مولد علي بن أبي طالب رضي الله عنه</translation>
    </message>
    <message>
        <source>Wafat Hazrat Maulana Muhammad Ilyas &apos;RA&apos;</source>
        <translation>وفاة الشيخ محمد إلياس رحمه الله</translation>
    </message>
    <message>
        <source>SHAB-E-ME&apos;RAJ/ Wafat Hazrat Junaid Baghdadi &apos;RA&apos;</source>
        <translation>ليلة المعراج/ وفاة الجنيد البغدادي رحمه الله</translation>
    </message>
    <message>
        <source>Wiladat Imam Husain &apos;RA&apos;</source>
        <translation>مولد الإمام الحسين رضي الله عنه</translation>
    </message>
    <message>
        <source>Wafat Hazrat Shaikh Abu Saeed Abul Khair &apos;RA&apos;</source>
        <translation>وفاة الشيخ أبي سعيد أبي الخير رحمه الله</translation>
    </message>
    <message>
        <source>SHAB-E-BARAT</source>
        <translation>ليلة النصف من شعبان</translation>
    </message>
    <message>
        <source>Start of Ramazan-ul-Mubarak</source>
        <translation>بداية شهر رمضان المبارك</translation>
    </message>
    <message>
        <source>Wafat Hazrat Bibi Fatima-tuz-Zahra &apos;RA&apos;</source>
        <translation>وفاة السيدة فاطمة الزهراء رضي الله عنها</translation>
    </message>
    <message>
        <source>Wafat Hazrat Bibi Khadija-tul-Kubra &apos;RA&apos;</source>
        <translation>وفاة السيدة خديجة الكبرى رضي الله عنها</translation>
    </message>
    <message>
        <source>Nazul-e-Qur&apos;an/ Wafat Hazrat Bibi Ayesha Siddiqa &apos;RA&apos;/ Jang-e-Badar</source>
        <translation>نزول القرآن/ وفاة السيدة عائشة الصديقة رضي الله عنها/ غزوة بدر</translation>
    </message>
    <message>
        <source>Fatah-e-Makkah</source>
        <translation>فتح مكة</translation>
    </message>
    <message>
        <source>Shab-e-Quadra / Shahadat Hazrat Ali &apos;RA&apos;</source>
        <translation>ليلة القدر / استشهاد علي بن أبي طالب رضي الله عنه</translation>
    </message>
    <message>
        <source>LAILAT-UL-QUADRA</source>
        <translation>ليلة القدر</translation>
    </message>
    <message>
        <source>E&apos;ID-UL-FITRA</source>
        <translation>عيد الفطر</translation>
    </message>
    <message>
        <source>Wafat Hazrat Makhdoom Sharfuddin Yahya Maneri &apos;RA&apos;</source>
        <translation>وفاة المخدوم شرف الدين يحيى المنيري رحمه الله</translation>
    </message>
    <message>
        <source>YOUM-UL-HAJJ</source>
        <translation>يوم الحج</translation>
    </message>
    <message>
        <source>E&apos;ID-UL-AZHA</source>
        <translation>عيد الأضحى</translation>
    </message>
    <message>
        <source>Shahadat Hazrat Usman Ghani &apos;RA&apos;</source>
        <translation>استشهاد عثمان بن عفان رضي الله عنه</translation>
    </message>
    <message>
        <source>Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar year %1.</source>
        <translation>كل عام وأنتم بخير! اليوم أول أيام السنة الهجرية %1.</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>City must have some name. New values not saved.</source>
        <translation>يجب أن يكون للمدينة اسم. لم تُحفظ القيم الجديدة.</translation>
    </message>
    <message>
        <source>City details must not contain double quotes (&quot;). New values not saved.</source>
        <translation>يجب ألا تحتوي بيانات المدينة على علامات اقتباس مزدوجة (&quot;). لم تُحفظ القيم الجديدة.</translation>
    </message>
    <message>
        <source>Invalid Latitude value. Valid values are between -89.8 &amp; 89.8</source>
        <translation>قيمة خط العرض غير صالحة. القيم الصالحة بين ‎-89.8 و89.8</translation>
    </message>
    <message>
        <source>Invalid Longitude value.  Valid values are between -180 &amp; 180</source>
        <translation>قيمة خط الطول غير صالحة. القيم الصالحة بين ‎-180 و180</translation>
    </message>
    <message>
        <source>Invalid GMT Time offset value.  Valid values are between -12 &amp; 12</source>
        <translation>قيمة فرق التوقيت عن غرينتش غير صالحة. القيم الصالحة بين ‎-12 و12</translation>
    </message>
    <message>
        <source>Default City Information, saved successfully.<byte value="xd"/>
Changes will be effective on next session.</source>
        <translation>حُفظت بيانات المدينة الافتراضية بنجاح.<byte value="xd"/>
تسري التغييرات في الجلسة القادمة.</translation>
    </message>
    <message>
        <source>Default City Information could not be saved to &apos;%1&apos;:<byte value="xd"/>
%2<byte value="xd"/>
The file is unchanged. Correct the problem and click Update again.</source>
        <translation>تعذّر حفظ بيانات المدينة الافتراضية في &apos;%1&apos;:<byte value="xd"/>
%2<byte value="xd"/>
لم يتغيّر الملف. صحّح المشكلة وانقر على تحديث مرة أخرى.</translation>
    </message>
    <message>
        <source>File &apos;InfoCity.txt&apos; not found. For your convenience this file has been<byte value="xd"/>
created in your application folder. You can change its contents<byte value="xd"/>
carefully. You may also change this default value from within the<byte value="xd"/>
program.<byte value="xd"/>
<byte value="xd"/>
RE-START THE PROGRAM TO TAKE EFFECT NEW VALUES.</source>
        <translation>لم يُعثر على الملف &apos;InfoCity.txt&apos;. وتيسيرًا عليك أُنشئ هذا الملف<byte value="xd"/>
في مجلد البرنامج. يمكنك تغيير محتواه<byte value="xd"/>
بحذر. ويمكنك أيضًا تغيير هذه القيمة الافتراضية من داخل<byte value="xd"/>
البرنامج.<byte value="xd"/>
<byte value="xd"/>
أعد تشغيل البرنامج لتسري القيم الجديدة.</translation>
    </message>
    <message>
        <source>The city file could not be created:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The default city is shown for this session.</source>
        <translation>تعذّر إنشاء ملف المدينة:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
تُعرض المدينة الافتراضية في هذه الجلسة.</translation>
    </message>
    <message>
        <source>It does not hold the city&apos;s name, latitude, longitude and GMT offset.</source>
        <translation>لا يحتوي على اسم المدينة وخط العرض وخط الطول وفرق التوقيت عن غرينتش.</translation>
    </message>
    <message>
        <source>It is not a text file that can be read.</source>
        <translation>ليس ملفًا نصيًا يمكن قراءته.</translation>
    </message>
    <message>
        <source>The city file cannot be used:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file is left as it is; the default city is shown for this session.</source>
        <translation>يتعذّر استخدام ملف المدينة:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
تُرك الملف كما هو؛ وتُعرض المدينة الافتراضية في هذه الجلسة.</translation>
    </message>
    <message>
        <source>Search complete, no more found.<byte value="xd"/>
Total found = (%1).</source>
        <translation>اكتمل البحث، ولا مزيد من النتائج.<byte value="xd"/>
المجموع = (%1).</translation>
    </message>
    <message>
        <source>Select City by Double Click (%1)</source>
        <translation>اختر المدينة بالنقر المزدوج (%1)</translation>
    </message>
    <message>
        <source>%1 Hours</source>
        <translation>%1 ساعة</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>polar day</source>
        <translation>نهار قطبي</translation>
    </message>
    <message>
        <source>polar night</source>
        <translation>ليل قطبي</translation>
    </message>
    <message>
        <source>the sun does not set</source>
        <translation>لا تغرب الشمس</translation>
    </message>
    <message>
        <source>the sun does not rise</source>
        <translation>لا تشرق الشمس</translation>
    </message>
    <message>
        <source>%1 (tomorrow) in %2</source>
        <translation>%1 (غدًا) بعد %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 بعد %2</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>ص</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>م</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>ISNA (North America)</source>
        <translation>ISNA (أمريكا الشمالية)</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>الهيئة المصرية</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translation>كراتشي</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>أم القرى</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبي</translation>
    </message>
    <message>
        <source>Moonsighting Committee</source>
        <translation>لجنة رؤية الهلال</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>الكويت</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>قطر</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنغافورة</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>طهران</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>تركيا</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>أحد</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>إثنين</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>ثلاثاء</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>أربعاء</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>خميس</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>جمعة</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>سبت</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1, Hanafi Asr</source>
        <translation>%1، العصر وفق الحنفية</translation>
    </message>
    <message>
        <source>%1, standard Asr</source>
        <translation>%1، العصر وفق الجمهور</translation>
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
        <source>Prayer Times: %1, %2</source>
        <translation>مواقيت الصلاة: %1، %2</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>الطريقة: %1</translation>
    </message>
    <message>
        <source>%1 prayer</source>
        <translation>صلاة %1</translation>
    </message>
    <message>
        <source>Fajr ends soon</source>
        <translation>وقت الفجر ينتهي قريبًا</translation>
    </message>
    <message>
        <source>%1 soon</source>
        <translation>%1 قريبًا</translation>
    </message>
    <message>
        <source>Jumu&apos;ah</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>It is time for %1 (%2) in %3.</source>
        <translation>حان وقت %1 (%2) في %3.</translation>
    </message>
    <message>
        <source>The time of Fajr ends in %1 min, at sunrise (%2), in %3.</source>
        <translation>ينتهي وقت الفجر بعد %1 دقيقة، عند الشروق (%2)، في %3.</translation>
    </message>
    <message>
        <source>Jumu&apos;ah in %1 min (%2) in %3.</source>
        <translation>الجمعة بعد %1 دقيقة (%2) في %3.</translation>
    </message>
    <message>
        <source>%1 in %2 min (%3) in %4.</source>
        <translation>%1 بعد %2 دقيقة (%3) في %4.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>north</source>
        <translation>الشمال</translation>
    </message>
    <message>
        <source>north-northeast</source>
        <translation>شمال الشمال الشرقي</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>الشمال الشرقي</translation>
    </message>
    <message>
        <source>east-northeast</source>
        <translation>شرق الشمال الشرقي</translation>
    </message>
    <message>
        <source>east</source>
        <translation>الشرق</translation>
    </message>
    <message>
        <source>east-southeast</source>
        <translation>شرق الجنوب الشرقي</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>الجنوب الشرقي</translation>
    </message>
    <message>
        <source>south-southeast</source>
        <translation>جنوب الجنوب الشرقي</translation>
    </message>
    <message>
        <source>south</source>
        <translation>الجنوب</translation>
    </message>
    <message>
        <source>south-southwest</source>
        <translation>جنوب الجنوب الغربي</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>الجنوب الغربي</translation>
    </message>
    <message>
        <source>west-southwest</source>
        <translation>غرب الجنوب الغربي</translation>
    </message>
    <message>
        <source>west</source>
        <translation>الغرب</translation>
    </message>
    <message>
        <source>west-northwest</source>
        <translation>غرب الشمال الغربي</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>الشمال الغربي</translation>
    </message>
    <message>
        <source>north-northwest</source>
        <translation>شمال الشمال الغربي</translation>
    </message>
    <message>
        <source>at the Kaaba</source>
        <translation>عند الكعبة</translation>
    </message>
    <message>
        <source>at the antipode: every direction</source>
        <translation>عند النقطة المقابلة للكعبة على الأرض: كل الاتجاهات</translation>
    </message>
    <message>
        <source>%1°, %2</source>
        <translation>%1°، %2</translation>
    </message>
    <message>
        <source>Qibla from %1: %2 (%3 km)</source>
        <translation>القبلة من %1: %2 (%3 كم)</translation>
    </message>
    <message>
        <source>Qibla from %1: %2</source>
        <translation>القبلة من %1: %2</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>%1 occasions after 31 December 9999 left out: iCalendar dates have four-digit years.</source>
        <translation>أُسقطت %1 مناسبة بعد 31 ديسمبر 9999: سنوات تواريخ iCalendar من أربعة أرقام.</translation>
    </message>
    <message>
        <source>divine command to use a (Hijra) calendar</source>
        <translation>الأمر الإلهي باتخاذ التقويم (الهجري)</translation>
    </message>
    <message>
        <source>Surah II-Al-Baqarah, Ayat: 189:</source>
        <translation>سورة البقرة (2)، الآية: 189:</translation>
    </message>
    <message>
        <source>Surah IX-Al-Taubah, Ayat:36:</source>
        <translation>سورة التوبة (9)، الآية: 36:</translation>
    </message>
    <message>
        <source>Surah IX-Al-Taubah, Ayat:37:</source>
        <translation>سورة التوبة (9)، الآية: 37:</translation>
    </message>
    <message>
        <source>For more on the Hijri calendar, visit us at %1<byte value="xd"/>
<byte value="xd"/>
DOUBLE CLICK TO CLOSE</source>
        <translation>للمزيد عن التقويم الهجري، زورونا على %1<byte value="xd"/>
<byte value="xd"/>
انقر نقرًا مزدوجًا للإغلاق</translation>
    </message>
    <message>
        <source>Please read the Manual File &apos;Qarnivo User&apos;s Manual.pdf&apos; supplied<byte value="xd"/>
with this software for updated features.<byte value="xd"/>
</source>
        <translation>يُرجى قراءة ملف الدليل &apos;Qarnivo User&apos;s Manual.pdf&apos; المرفق<byte value="xd"/>
بهذا البرنامج للاطلاع على الميزات المحدَّثة.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>All Tips (Thoughts of the Day) may be printed in a text file %1. Would you like to create a text file of these Tips?</source>
        <translation>يمكن طباعة جميع النصائح (خواطر اليوم) في ملف نصي %1. هل تودّ إنشاء ملف نصي بهذه النصائح؟</translation>
    </message>
    <message>
        <source>DONE! FILE CREATED SUCCESSFULLY (117 kB)</source>
        <translation>تم! أُنشئ الملف بنجاح (١١٧ كيلوبايت)</translation>
    </message>
    <message>
        <source>The file %1 could not be created.<byte value="xd"/>
%2</source>
        <translation>تعذّر إنشاء الملف %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>BISME ALLAH - AR-RAHMAN - AR-RAHEEM</source>
        <translation>بسم الله الرحمن الرحيم</translation>
    </message>
    <message>
        <source>MONTH: %1</source>
        <translation>الشهر: %1</translation>
    </message>
    <message>
        <source>Day - %1: </source>
        <translation>اليوم - %1: </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>the record before has no text</source>
        <translation>السجل السابق بلا نص</translation>
    </message>
    <message>
        <source>text before the first record</source>
        <translation>نص قبل السجل الأول</translation>
    </message>
    <message>
        <source>the last record has no text</source>
        <translation>السجل الأخير بلا نص</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 مفقود</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>تتعذّر قراءة %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 كبير جدًا</translation>
    </message>
    <message>
        <source>[%1] names no Hijri month and day</source>
        <translation>[%1] لا يسمّي شهرًا ويومًا هجريين</translation>
    </message>
    <message>
        <source>[%1] is given twice</source>
        <translation>[%1] مذكور مرتين</translation>
    </message>
    <message>
        <source>[%1] has no reading</source>
        <translation>[%1] بلا قراءة</translation>
    </message>
    <message>
        <source>%1 readings instead of %2</source>
        <translation>%1 قراءة بدلًا من %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 cannot be read or written: its folder or the file itself is not open to you. Your changes will not be kept after Qarnivo closes.</source>
        <translation>يتعذّر قراءة ملف الإعدادات %1 أو الكتابة فيه: فمجلده أو الملف نفسه غير متاح لك. لن تُحفظ تغييراتك بعد إغلاق Qarnivo.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be read. Your changes will not be kept after Qarnivo closes.</source>
        <translation>ملف الإعدادات %1 تالف ولا يمكن قراءته. لن تُحفظ تغييراتك بعد إغلاق Qarnivo.</translation>
    </message>
</context>
<context>
    <name>SunPage</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تتعذّر كتابة %1: %2</translation>
    </message>
    <message>
        <source>the old page cannot be replaced</source>
        <translation>تتعذّر الاستعاضة عن الصفحة القديمة</translation>
    </message>
    <message>
        <source>the page cannot be put in place</source>
        <translation>يتعذّر وضع الصفحة في مكانها</translation>
    </message>
    <message>
        <source>Error found in one of originally packaged files.<byte value="xd"/>
Re-install to rectify this problem.</source>
        <translation>وُجد خطأ في أحد الملفات المرفقة أصلًا بالبرنامج.<byte value="xd"/>
أعد التثبيت لإصلاح هذه المشكلة.</translation>
    </message>
    <message>
        <source>The system folder is unknown.</source>
        <translation>مجلد النظام غير معروف.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>يتعذّر فتح %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>تتعذّر قراءة %1.</translation>
    </message>
    <message>
        <source>%1 is far too large.</source>
        <translation>%1 كبير جدًا.</translation>
    </message>
    <message>
        <source>The page would be %1 bytes long, outside %2 to %3.</source>
        <translation>سيكون طول الصفحة %1 بايت، خارج المدى من %2 إلى %3.</translation>
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
    <message>
        <source>An announced month begins on its announced day, whatever the day correction.</source>
        <translation>يبدأ الشهر المُعلَن في يومه المُعلَن، أيًّا كان تصحيح اليوم.</translation>
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
    <message>
        <source>Umm al-Qura follows the official month starts from 1300 to 1600 AH; outside them the arithmetical calendar applies.</source>
        <translation>يتبع تقويم أم القرى بدايات الشهور الرسمية من ١٣٠٠ إلى ١٦٠٠ هـ؛ وخارجها يُعمل بالتقويم الحسابي.</translation>
    </message>
    <message>
        <source>A&amp;dhan and reminders...</source>
        <translation>الأ&amp;ذان والتذكيرات...</translation>
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
    <name>qarnivo::PrayerAlertsDialog</name>
    <message>
        <source>&amp;Adhan:</source>
        <translation>الأ&amp;ذان:</translation>
    </message>
    <message>
        <source>&amp;Fajr&apos;s adhan:</source>
        <translation>أذان ال&amp;فجر:</translation>
    </message>
    <message>
        <source>Adhan and reminders</source>
        <translation>الأذان والتذكيرات</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>صامت</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>إشعار</translation>
    </message>
    <message>
        <source>Notification and adhan</source>
        <translation>إشعار وأذان</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>عند %1</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;تشغيل</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>مستوى ال&amp;صوت:</translation>
    </message>
    <message>
        <source>Reminders, minutes before (0 is off):</source>
        <translation>التذكيرات، بالدقائق قبل الوقت (٠ يعني إيقافها):</translation>
    </message>
    <message>
        <source>Minutes before %1</source>
        <translation>دقائق قبل %1</translation>
    </message>
    <message>
        <source>Warns that the time of Fajr is ending</source>
        <translation>ينبّه إلى أن وقت الفجر يوشك أن ينتهي</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>اختيار...</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>النغمة</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>نفسه</translation>
    </message>
    <message>
        <source>The built-in chime</source>
        <translation>النغمة المدمجة في البرنامج</translation>
    </message>
    <message>
        <source>The same as the other prayers</source>
        <translation>مثل الصلوات الأخرى</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>النغمة المدمجة</translation>
    </message>
    <message>
        <source>Same as the other prayers</source>
        <translation>مثل الصلوات الأخرى</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>تعذّر تشغيل %1: %2</translation>
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
    <message>
        <source>Middle of the night: %1</source>
        <translation>منتصف الليل: %1</translation>
    </message>
    <message>
        <source>Last third of the night: %1</source>
        <translation>الثلث الأخير من الليل: %1</translation>
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
    <message>
        <source>&amp;Stop the adhan</source>
        <translation>إي&amp;قاف الأذان</translation>
    </message>
</context>
<context>
    <name>qarnivo::QiblaCompass</name>
    <message>
        <source>N</source>
        <comment>north on a compass</comment>
        <translation>ش</translation>
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
        <translation>افتح الملف النصي &apos;AddCity.txt&apos; وأضف بيانات مدينة / مكان<byte value="xd"/>
بالصيغة المعطاة فقط. قد يؤدي الإدخال الخاطئ إلى خطأ.</translation>
    </message>
    <message>
        <source>Open the text file &apos;GMT Offsets.txt&apos; and add a Country or City<byte value="xd"/>
in the given format ONLY. Erroneous entry may lead to Error.</source>
        <translation>افتح الملف النصي &apos;GMT Offsets.txt&apos; وأضف بلدًا أو مدينة<byte value="xd"/>
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
    <message>
        <source>The page cannot be shown: Qarnivo&apos;s browser engine could not be loaded. Reinstalling Qarnivo may mend it.</source>
        <translation>لا يمكن عرض الصفحة: تعذّر تحميل محرّك المتصفح في Qarnivo. قد تُصلحه إعادة تثبيت Qarnivo.</translation>
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
    <message>
        <source>Qibla: %1</source>
        <translation>القبلة: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Stop the adhan</source>
        <translation>إيقاف الأذان</translation>
    </message>
    <message>
        <source>The adhan could not be played</source>
        <translation>تعذّر تشغيل الأذان</translation>
    </message>
    <message>
        <source>%1: %2. The chime plays instead.</source>
        <translation>%1: %2. ستُشغَّل النغمة بدلًا منه.</translation>
    </message>
</context>
</TS>
