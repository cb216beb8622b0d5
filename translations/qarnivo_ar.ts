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
