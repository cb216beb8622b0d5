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
    <message>
        <source>Sunrise, sunset and Zawal page</source>
        <translation>طلوع، غروب اور زوال کا صفحہ</translation>
    </message>
    <message>
        <source>Qibla from the default city</source>
        <translation>طے شدہ شہر سے قبلہ</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>آدھی رات</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>رات کا آخری تہائی حصہ</translation>
    </message>
    <message>
        <source>Qibla compass</source>
        <translation>قبلہ نما</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>قبلہ</translation>
    </message>
    <message>
        <source>Stop the adhan</source>
        <translation>اذان روکیں</translation>
    </message>
    <message>
        <source>Adhan and reminders</source>
        <translation>اذان اور یاد دہانیاں</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>آواز کی سطح</translation>
    </message>
    <message>
        <source>Play the adhan now</source>
        <translation>اذان ابھی چلائیں</translation>
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
        <translation>ربیع الاول</translation>
    </message>
    <message>
        <source>Rabi-ul-Aakhir</source>
        <translation>ربیع الثانی</translation>
    </message>
    <message>
        <source>Jamaadil-Awwal</source>
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jamaadil -Aakhir</source>
        <translation>جمادی الثانی</translation>
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
        <translation>رمضان المبارک</translation>
    </message>
    <message>
        <source>Shawwal-ul-Mukarram</source>
        <translation>شوال المکرم</translation>
    </message>
    <message>
        <source>Dhiquadat-ul-Haraam</source>
        <translation>ذوالقعدہ الحرام</translation>
    </message>
    <message>
        <source>Dhul-Hijjah</source>
        <translation>ذوالحجہ</translation>
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
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jumadis -Sani</source>
        <translation>جمادی الثانی</translation>
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
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>January</source>
        <translation>جنوری</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فروری</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارچ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>اپریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مئی</translation>
    </message>
    <message>
        <source>June</source>
        <translation>جون</translation>
    </message>
    <message>
        <source>July</source>
        <translation>جولائی</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اگست</translation>
    </message>
    <message>
        <source>September</source>
        <translation>ستمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نومبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسمبر</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>اتوار</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>ہفتہ</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>اتوار</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>ہفتہ</translation>
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
        <translation>&quot;%1&quot; تاریخ نہیں: اسے YYYY-MM-DD کی صورت میں لکھیں۔</translation>
    </message>
    <message>
        <source>  (arithmetical: outside the Umm al-Qura table, %1 to %2 AH)</source>
        <translation>  (حسابی: ام القریٰ کے جدول سے باہر، %1 سے %2 ہجری تک)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 = %5 (from Maghrib)</source>
        <translation>%1  %2  %3  %4 = %5 (مغرب سے)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4 = %5</source>
        <translation>%1  %2  %3  %4 = %5</translation>
    </message>
    <message>
        <source>Name at least one date, written YYYY-MM-DD.</source>
        <translation>کم از کم ایک تاریخ YYYY-MM-DD کی صورت میں لکھیں۔</translation>
    </message>
    <message>
        <source>Calendar: Umm al-Qura (Saudi Arabia), correction %1 days</source>
        <translation>کیلنڈر: ام القریٰ (سعودی عرب)، تصحیح %1 دن</translation>
    </message>
    <message>
        <source>Calendar: arithmetical (tabular), correction %1 days</source>
        <translation>کیلنڈر: حسابی (جدولی)، تصحیح %1 دن</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Hijri month: write it as YYYY-MM.</source>
        <translation>&quot;%1&quot; ہجری مہینہ نہیں: اسے YYYY-MM کی صورت میں لکھیں۔</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> Su  Mo  Tu  We  Th  Fr  Sa</source>
        <translation> ات  پی  من  بد  جم  جع  ہف</translation>
    </message>
    <message>
        <source>1 %1 = %2; %3 %1 = %4</source>
        <translation>۱ %1 = %2؛ %3 %1 = %4</translation>
    </message>
    <message>
        <source>Name the Hijri year with --hijri-year, 1 to %1.</source>
        <translation>ہجری سال --hijri-year سے بتائیں، ۱ سے %1 تک۔</translation>
    </message>
    <message>
        <source>%1 occasions of %2 AH written to %3</source>
        <translation>%2 ہجری کے %1 مواقع %3 میں لکھ دیے گئے</translation>
    </message>
    <message>
        <source>The correction is a whole number of days, such as -1 or 2.</source>
        <translation>تصحیح دنوں کی پوری تعداد ہے، جیسے -1 یا 2۔</translation>
    </message>
    <message>
        <source>The calendar is tabular or umm-al-qura.</source>
        <translation>کیلنڈر tabular یا umm-al-qura ہے۔</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 پڑھی نہ جا سکی: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a month start: write it as YYYY-MM=YYYY-MM-DD, from %2 to %3 AH.</source>
        <translation>&quot;%1&quot; مہینے کا آغاز نہیں: اسے YYYY-MM=YYYY-MM-DD کی صورت میں لکھیں، %2 سے %3 ہجری تک۔</translation>
    </message>
    <message>
        <source>Set aside: %1</source>
        <translation>الگ رکھا گیا: %1</translation>
    </message>
    <message>
        <source>The language is en, ar or ur.</source>
        <translation>زبان en، ar یا ur ہے۔</translation>
    </message>
    <message>
        <source>The criterion is odeh or yallop.</source>
        <translation>معیار odeh یا yallop ہے۔</translation>
    </message>
    <message>
        <source>The elevation is %1 to %2 metres.</source>
        <translation>بلندی %1 سے %2 میٹر تک ہے۔</translation>
    </message>
    <message>
        <source>The new crescent is computed from %1 to %2.</source>
        <translation>نئے چاند کا حساب %1 سے %2 تک کیا جاتا ہے۔</translation>
    </message>
    <message>
        <source>%1 %2 UTC</source>
        <translation>%1 %2 UTC</translation>
    </message>
    <message>
        <source>Odeh V %1</source>
        <translation>عودہ V %1</translation>
    </message>
    <message>
        <source>Yallop q %1</source>
        <translation>یالوپ q %1</translation>
    </message>
    <message>
        <source>%1: not visible, %2</source>
        <translation>%1: نظر نہیں آئے گا، %2</translation>
    </message>
    <message>
        <source>%1: %2 (zone %3)</source>
        <translation>%1: %2 (زون %3)</translation>
    </message>
    <message>
        <source>%1: %2 (class %3)</source>
        <translation>%1: %2 (درجہ %3)</translation>
    </message>
    <message>
        <source>%1, evening of %2 (UTC%3%4)</source>
        <translation>%1، %2 کی شام (UTC%3%4)</translation>
    </message>
    <message>
        <source>Conjunction  %1</source>
        <translation>اقتران       %1</translation>
    </message>
    <message>
        <source>Sunset       %1</source>
        <translation>غروبِ آفتاب  %1</translation>
    </message>
    <message>
        <source>Moonset      %1</source>
        <translation>غروبِ قمر    %1</translation>
    </message>
    <message>
        <source>Lag          %1</source>
        <translation>مکث          %1</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> منٹ</translation>
    </message>
    <message>
        <source>Moon&apos;s age   %1</source>
        <translation>چاند کی عمر  %1</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> گھنٹے</translation>
    </message>
    <message>
        <source>Give --latitude (-90 to 90, north positive) and --longitude (-180 to 180, east positive) together.</source>
        <translation>‎--latitude (‎-90 سے 90، شمال مثبت) اور ‎--longitude (‎-180 سے 180، مشرق مثبت) ایک ساتھ دیں۔</translation>
    </message>
    <message>
        <source>--crescent-map needs --date YYYY-MM-DD and --output FILE.png.</source>
        <translation>‎--crescent-map کو ‎--date YYYY-MM-DD اور ‎--output FILE.png درکار ہیں۔</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 لکھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>Prints whether the new crescent can be seen on the evening of --date (default today) at the default city or the place given.</source>
        <translation>بتاتا ہے کہ ‎--date (ورنہ آج) کی شام پہلے سے طے شدہ شہر یا دی گئی جگہ پر نیا چاند نظر آ سکتا ہے یا نہیں۔</translation>
    </message>
    <message>
        <source>Draws where on Earth the new crescent can be seen on the evening of --date as a PNG picture, --output FILE.png.</source>
        <translation>‎--date کی شام زمین پر جہاں جہاں نیا چاند نظر آ سکتا ہے، اسے PNG تصویر میں بناتا ہے، ‎--output FILE.png۔</translation>
    </message>
    <message>
        <source>The place&apos;s height above sea level, -500 to 9000 metres (default 0).</source>
        <translation>جگہ کی سطحِ سمندر سے بلندی، ‎-500 سے 9000 میٹر (ورنہ 0)۔</translation>
    </message>
    <message>
        <source>odeh or yallop (default: the stored choice, else odeh).</source>
        <translation>odeh یا yallop (ورنہ محفوظ انتخاب، اور وہ نہ ہو تو odeh)۔</translation>
    </message>
    <message>
        <source>The picture --crescent-map writes.</source>
        <translation>وہ تصویر جو ‎--crescent-map لکھتا ہے۔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date from %2 to %3: write it as YYYY-MM-DD.</source>
        <translation>&quot;%1&quot; %2 سے %3 تک کی تاریخ نہیں ہے: اسے YYYY-MM-DD کی صورت میں لکھیں۔</translation>
    </message>
    <message>
        <source>The default city cannot be read: give --latitude, --longitude and --utc-offset.</source>
        <translation>پہلے سے طے شدہ شہر پڑھا نہیں جا سکتا: ‎--latitude، ‎--longitude اور ‎--utc-offset دیں۔</translation>
    </message>
    <message>
        <source>Give --latitude, --longitude and --utc-offset together.</source>
        <translation>‎--latitude، ‎--longitude اور ‎--utc-offset ایک ساتھ دیں۔</translation>
    </message>
    <message>
        <source>The latitude is -90 to 90 (north positive), the longitude -180 to 180 (east positive) and the UTC offset -12 to 14 hours (east positive).</source>
        <translation>عرض بلد ‎-90 سے 90 (شمال مثبت)، طول بلد ‎-180 سے 180 (مشرق مثبت) اور UTC سے فرق ‎-12 سے 14 گھنٹے (مشرق مثبت) ہے۔</translation>
    </message>
    <message>
        <source>The method is one of: %1.</source>
        <translation>طریقہ ان میں سے ایک ہے: %1۔</translation>
    </message>
    <message>
        <source>The Asr rule is standard or hanafi.</source>
        <translation>عصر کا قاعدہ standard یا hanafi ہے۔</translation>
    </message>
    <message>
        <source>The high-latitude rule is one of: %1.</source>
        <translation>بلند عرض بلد کا قاعدہ ان میں سے ایک ہے: %1۔</translation>
    </message>
    <message>
        <source>--prayer-times takes no dates of its own: use --date.</source>
        <translation>‎--prayer-times اپنی کوئی تاریخ نہیں لیتا: ‎--date استعمال کریں۔</translation>
    </message>
    <message>
        <source>%1, %2 (%3, Hanafi Asr)</source>
        <translation>%1، %2 (%3، عصر حنفی)</translation>
    </message>
    <message>
        <source>%1, %2 (%3, standard Asr)</source>
        <translation>%1، %2 (%3، عصر جمہور)</translation>
    </message>
    <message>
        <source>  (%1: %2)</source>
        <translation>  (%1: %2)</translation>
    </message>
    <message>
        <source>Prints the day&apos;s prayer times (default city and today unless told).</source>
        <translation>دن کے اوقاتِ نماز بتاتا ہے (جب تک کچھ اور نہ کہا جائے، پہلے سے طے شدہ شہر اور آج)۔</translation>
    </message>
    <message>
        <source>The day of --prayer-times, --crescent or --crescent-map, YYYY-MM-DD.</source>
        <translation>‎--prayer-times، ‎--crescent یا ‎--crescent-map کا دن، YYYY-MM-DD۔</translation>
    </message>
    <message>
        <source>Latitude in degrees, north positive.</source>
        <translation>عرض بلد درجوں میں، شمال مثبت۔</translation>
    </message>
    <message>
        <source>Longitude in degrees, east positive.</source>
        <translation>طول بلد درجوں میں، مشرق مثبت۔</translation>
    </message>
    <message>
        <source>Hours ahead of UTC, east positive (5.5 for India).</source>
        <translation>UTC سے آگے کے گھنٹے، مشرق مثبت (بھارت کے لیے 5.5)۔</translation>
    </message>
    <message>
        <source>Daylight saving time: one hour later.</source>
        <translation>موسمِ گرما کا وقت: ایک گھنٹہ بعد۔</translation>
    </message>
    <message>
        <source>mwl, isna, egypt, karachi, umm-al-qura, dubai, moonsighting-committee, kuwait, qatar, singapore, tehran or turkey.</source>
        <translation>mwl، isna، egypt، karachi، umm-al-qura، dubai، moonsighting-committee، kuwait، qatar، singapore، tehran یا turkey۔</translation>
    </message>
    <message>
        <source>standard or hanafi.</source>
        <translation>standard یا hanafi۔</translation>
    </message>
    <message>
        <source>middle-of-the-night, seventh-of-the-night or twilight-angle.</source>
        <translation>middle-of-the-night، seventh-of-the-night یا twilight-angle۔</translation>
    </message>
    <message>
        <source>The default city cannot be read: the Hijri day changes at midnight.</source>
        <translation>پہلے سے طے شدہ شہر پڑھا نہیں جا سکتا: ہجری دن آدھی رات کو بدلتا ہے۔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a clock time: write it as YYYY-MM-DDTHH:MM.</source>
        <translation>&quot;%1&quot; گھڑی کا وقت نہیں ہے: اسے YYYY-MM-DDTHH:MM کی صورت میں لکھیں۔</translation>
    </message>
    <message>
        <source>The day starts at sunset or midnight.</source>
        <translation>دن غروبِ آفتاب (sunset) یا آدھی رات (midnight) سے شروع ہوتا ہے۔</translation>
    </message>
    <message>
        <source>%1 See Qarnivo --help.</source>
        <translation>%1 دیکھیں Qarnivo --help۔</translation>
    </message>
    <message>
        <source>Unknown option: %1.</source>
        <translation>نامعلوم اختیار: %1۔</translation>
    </message>
    <message>
        <source>Qarnivo, the Hijri calendar. Without options it opens its windows.</source>
        <translation>Qarnivo، ہجری کیلنڈر۔ بغیر اختیارات کے یہ اپنی ونڈوز کھولتا ہے۔</translation>
    </message>
    <message>
        <source>Converts each Gregorian DATE (Julian before 15 October 1582) to Hijri.</source>
        <translation>ہر عیسوی DATE (15 اکتوبر 1582 سے پہلے جولین) کو ہجری میں بدلتا ہے۔</translation>
    </message>
    <message>
        <source>Converts each Hijri DATE to Gregorian.</source>
        <translation>ہر ہجری DATE کو عیسوی میں بدلتا ہے۔</translation>
    </message>
    <message>
        <source>Prints today&apos;s Hijri and Gregorian date.</source>
        <translation>آج کی ہجری اور عیسوی تاریخ بتاتا ہے۔</translation>
    </message>
    <message>
        <source>--today as at a clock time of the default city&apos;s UTC offset, YYYY-MM-DDTHH:MM.</source>
        <translation>‎--today پہلے سے طے شدہ شہر کے وقت کے کسی لمحے کے مطابق، YYYY-MM-DDTHH:MM۔</translation>
    </message>
    <message>
        <source>sunset (the Hijri day begins at the default city&apos;s Maghrib) or midnight (default: the stored choice).</source>
        <translation>sunset (ہجری دن پہلے سے طے شدہ شہر کے مغرب سے شروع ہوتا ہے) یا midnight (ورنہ محفوظ انتخاب)۔</translation>
    </message>
    <message>
        <source>Prints a Hijri month (YYYY-MM, default today&apos;s) as a week grid.</source>
        <translation>ایک ہجری مہینہ (YYYY-MM، ورنہ آج کا) ہفتوں کے خانوں میں بتاتا ہے۔</translation>
    </message>
    <message>
        <source>Writes the occasions of a Hijri year as an iCalendar FILE.</source>
        <translation>ایک ہجری سال کی مناسبتیں iCalendar فائل FILE میں لکھتا ہے۔</translation>
    </message>
    <message>
        <source>The Hijri year to export.</source>
        <translation>برآمد کیا جانے والا ہجری سال۔</translation>
    </message>
    <message>
        <source>tabular or umm-al-qura (default: the stored choice, else tabular).</source>
        <translation>tabular یا umm-al-qura (ورنہ محفوظ انتخاب، اور وہ نہ ہو تو tabular)۔</translation>
    </message>
    <message>
        <source>The day correction of the Options window (default: the stored one): Hijri dates lie N days later.</source>
        <translation>اختیارات کی ونڈو کی دنوں کی درستی (ورنہ محفوظ شدہ): ہجری تاریخیں N دن بعد پڑتی ہیں۔</translation>
    </message>
    <message>
        <source>A Hijri month&apos;s announced 1st, such as 1447-09=2026-02-18, on top of the stored ones; may be given again.</source>
        <translation>کسی ہجری مہینے کی اعلان شدہ پہلی تاریخ، جیسے 1447-09=2026-02-18، محفوظ شدہ تاریخوں کے علاوہ؛ دوبارہ بھی دی جا سکتی ہے۔</translation>
    </message>
    <message>
        <source>Announced 1sts from a FILE, one &quot;1447-09 2026-02-18&quot; a line.</source>
        <translation>فائل FILE سے اعلان شدہ پہلی تاریخیں، ہر سطر میں ایک &quot;1447-09 2026-02-18&quot;۔</translation>
    </message>
    <message>
        <source>The language of the answer: en, ar or ur (default: the stored choice, else the system&apos;s).</source>
        <translation>جواب کی زبان: en، ar یا ur (ورنہ محفوظ انتخاب، اور وہ نہ ہو تو سسٹم کی زبان)۔</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>یہ مدد دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>ورژن دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>A date written YYYY-MM-DD.</source>
        <translation>YYYY-MM-DD کی صورت میں لکھی تاریخ۔</translation>
    </message>
    <message>
        <source>--%1 and --%2 do not go together.</source>
        <translation>‎--%1 اور ‎--%2 ایک ساتھ نہیں چلتے۔</translation>
    </message>
    <message>
        <source>--%1 does not take %2.</source>
        <translation>‎--%1 میں %2 نہیں لیا جاتا۔</translation>
    </message>
    <message>
        <source>The default city cannot be read: give --latitude and --longitude.</source>
        <translation>پہلے سے طے شدہ شہر پڑھا نہیں جا سکتا: ‎--latitude اور ‎--longitude دیں۔</translation>
    </message>
    <message>
        <source>Prints the direction of the Kaaba and the distance to it from the default city or the place given.</source>
        <translation>طے شدہ شہر یا دی گئی جگہ سے کعبہ کی سمت اور اس تک فاصلہ بتاتا ہے۔</translation>
    </message>
    <message>
        <source>Prints each date, a month (one object, its week rows as arrays) or the prayer times, the crescent or the Qibla as a JSON object, one a line; &quot;source&quot; tells whether its Hijri month was announced.</source>
        <translation>ہر تاریخ، ایک مہینہ (ایک آبجیکٹ، اس کے ہفتوں کی قطاریں بطور arrays)، اوقاتِ نماز، چاند یا قبلہ کو JSON آبجیکٹ کی صورت میں، ہر سطر میں ایک، بتاتا ہے؛ &quot;source&quot; بتاتا ہے کہ اس کے ہجری مہینے کا اعلان ہوا تھا یا نہیں۔</translation>
    </message>
    <message>
        <source>No command: give one of --convert, --to-gregorian, --today, --month, --export-ics, --prayer-times, --crescent, --crescent-map or --qibla.</source>
        <translation>کوئی حکم نہیں: ‎--convert، ‎--to-gregorian، ‎--today، ‎--month، ‎--export-ics، ‎--prayer-times، ‎--crescent، ‎--crescent-map یا ‎--qibla میں سے ایک دیں۔</translation>
    </message>
    <message>
        <source>No command for %1: give one of --convert, --to-gregorian, --today, --month, --export-ics, --prayer-times, --crescent, --crescent-map or --qibla.</source>
        <translation>%1 کے لیے کوئی حکم نہیں: ‎--convert، ‎--to-gregorian، ‎--today، ‎--month، ‎--export-ics، ‎--prayer-times، ‎--crescent، ‎--crescent-map یا ‎--qibla میں سے ایک دیں۔</translation>
    </message>
</context>
<context>
    <name>Crescent</name>
    <message>
        <source>visible by naked eye</source>
        <translation>ننگی آنکھ سے نظر آئے گا</translation>
    </message>
    <message>
        <source>visible with optical aid, could be seen by naked eye</source>
        <translation>دوربین سے نظر آئے گا، ننگی آنکھ سے بھی دیکھا جا سکتا ہے</translation>
    </message>
    <message>
        <source>visible with optical aid only</source>
        <translation>صرف دوربین سے نظر آئے گا</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>نظر نہیں آئے گا</translation>
    </message>
    <message>
        <source>easily visible</source>
        <translation>آسانی سے نظر آئے گا</translation>
    </message>
    <message>
        <source>visible under perfect conditions</source>
        <translation>مثالی حالات میں نظر آئے گا</translation>
    </message>
    <message>
        <source>may need optical aid to find the crescent</source>
        <translation>ہلال ڈھونڈنے کے لیے دوربین کی ضرورت پڑ سکتی ہے</translation>
    </message>
    <message>
        <source>will need optical aid to find the crescent</source>
        <translation>ہلال ڈھونڈنے کے لیے دوربین کی ضرورت پڑے گی</translation>
    </message>
    <message>
        <source>not visible with a telescope</source>
        <translation>دوربین سے بھی نظر نہیں آئے گا</translation>
    </message>
    <message>
        <source>not visible, below the Danjon limit</source>
        <translation>نظر نہیں آئے گا، ڈانژوں کی حد سے کم</translation>
    </message>
    <message>
        <source>the evening is before the new moon</source>
        <translation>یہ شام اقتران سے پہلے کی ہے</translation>
    </message>
    <message>
        <source>the Moon sets before the Sun</source>
        <translation>چاند سورج سے پہلے غروب ہو جاتا ہے</translation>
    </message>
    <message>
        <source>the Sun does not set</source>
        <translation>سورج غروب نہیں ہوتا</translation>
    </message>
    <message>
        <source>the Moon does not set</source>
        <translation>چاند غروب نہیں ہوتا</translation>
    </message>
    <message>
        <source>Odeh (2006)</source>
        <translation>عودہ (۲۰۰۶)</translation>
    </message>
    <message>
        <source>Yallop (1997)</source>
        <translation>یالوپ (۱۹۹۷)</translation>
    </message>
    <message>
        <source>Yallop %1</source>
        <translation>یالوپ %1</translation>
    </message>
    <message>
        <source>Odeh %1</source>
        <translation>عودہ %1</translation>
    </message>
    <message>
        <source>not visible (%1): %2</source>
        <translation>نظر نہیں آئے گا (%1): %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>not visible; the month is completed to 30 days by sighting here</source>
        <translation>نظر نہیں آئے گا؛ یہاں رویت کے حساب سے مہینہ تیس دن کا پورا ہوگا</translation>
    </message>
    <message>
        <source>New crescent on the evening of %1: %2</source>
        <translation>%1 کی شام نیا چاند: %2</translation>
    </message>
    <message>
        <source> min</source>
        <translation> منٹ</translation>
    </message>
    <message>
        <source> h</source>
        <translation> گھنٹے</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>غروبِ آفتاب</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>غروبِ قمر</translation>
    </message>
    <message>
        <source>Lag</source>
        <translation>مکث</translation>
    </message>
    <message>
        <source>Moon&apos;s age at sunset</source>
        <translation>غروبِ آفتاب کے وقت چاند کی عمر</translation>
    </message>
    <message>
        <source>ARCL (geocentric)</source>
        <translation>ARCL (ارض مرکزی)</translation>
    </message>
    <message>
        <source>ARCV (geocentric)</source>
        <translation>ARCV (ارض مرکزی)</translation>
    </message>
    <message>
        <source>Yallop&apos;s class</source>
        <translation>یالوپ کا درجہ</translation>
    </message>
    <message>
        <source>Odeh&apos;s zone</source>
        <translation>عودہ کا زون</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>تصویر نہیں بن سکی۔</translation>
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
    <name>DateLines</name>
    <message>
        <source>%1, %2 - %3 Hijri</source>
        <translation>%1 %2 %3 ہجری</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hijri</source>
        <translation>%1 %2 %3 ہجری</translation>
    </message>
    <message>
        <source>%1, %2 - %3 AD</source>
        <translation>%1 %2 %3 عیسوی</translation>
    </message>
    <message>
        <source>Check Date Range. Date value must be between:<byte value="xd"/>
<byte value="xd"/>
1, Muharram 1 AH and 2, Rabi-ul-Aakhir 9666 AH<byte value="xd"/>
	   Corresponding to:<byte value="xd"/>
   16, July 622 AD and 31, December 9999 AD</source>
        <translation>تاریخ کی حد دیکھیں۔ تاریخ ان کے درمیان ہونی چاہیے:<byte value="xd"/>
<byte value="xd"/>
۱ محرم ۱ ہجری اور ۲ ربیع الثانی ۹۶۶۶ ہجری<byte value="xd"/>
	   بمطابق:<byte value="xd"/>
   ۱۶ جولائی ۶۲۲ عیسوی اور ۳۱ دسمبر ۹۹۹۹ عیسوی</translation>
    </message>
    <message>
        <source>Invalid year value. Hijri year value should be between<byte value="xd"/>
<byte value="xd"/>
	      1 AH and 9666 AH</source>
        <translation>سال کی قدر درست نہیں۔ ہجری سال ان کے درمیان ہونا چاہیے<byte value="xd"/>
<byte value="xd"/>
	      ۱ ہجری اور ۹۶۶۶ ہجری</translation>
    </message>
    <message>
        <source>Eve of %1 %2 %3</source>
        <translation>شبِ %1 %2 %3</translation>
    </message>
    <message>
        <source>No Maghrib today: the Hijri day changes at midnight</source>
        <translation>آج مغرب نہیں: ہجری دن آدھی رات کو بدلتا ہے</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the disk took only part of it</source>
        <translation>ڈسک نے اس کا صرف ایک حصہ لیا</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>یہ عام فائل نہیں ہے</translation>
    </message>
    <message>
        <source>not every byte could be written</source>
        <translation>تمام بائٹ لکھے نہیں جا سکے</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>اس کا فولڈر موجود نہیں</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>یہ موجود نہیں</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>اس کی اجازت نہیں</translation>
    </message>
    <message>
        <source>it could not be read to the end</source>
        <translation>اسے آخر تک پڑھا نہیں جا سکا</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>نئی فائل پرانی کی جگہ نہیں لے سکی</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV فائلیں (*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF دستاویزات (*.pdf)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>کیلنڈر فائلیں (*.ics)</translation>
    </message>
    <message>
        <source>it cannot be played</source>
        <translation>اسے چلایا نہیں جا سکتا</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Qarnivo of Tarvelonix<byte value="xd"/>
	Version: %1.%2</source>
        <translation>Qarnivo از Tarvelonix<byte value="xd"/>
	ورژن: %1.%2</translation>
    </message>
    <message>
        <source>No program to show PDF documents was found, so this file cannot be opened:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Install a PDF viewer (for example Evince or Okular) to read it.</source>
        <translation>PDF دستاویزات دکھانے والا کوئی پروگرام نہیں ملا، اس لیے یہ فائل نہیں کھولی جا سکتی:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
اسے پڑھنے کے لیے کوئی PDF ویور (مثلاً Evince یا Okular) انسٹال کریں۔</translation>
    </message>
    <message>
        <source>Please visit our website addressed below to know about us.<byte value="xd"/>
<byte value="xd"/>
	  %1<byte value="xd"/>
</source>
        <translation>ہمارے بارے میں جاننے کے لیے براہِ کرم نیچے دی گئی ہماری ویب سائٹ دیکھیں۔<byte value="xd"/>
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
        <translation>Qarnivo مفت ہے۔ ہمیں %1 پر لکھیں<byte value="xd"/>
یا بھونیشور، بھارت میں ہم سے ملیں۔<byte value="xd"/>
اس کیلنڈر کا تازہ ترین نسخہ ہمیشہ مفت حاصل کیا جا سکتا ہے<byte value="xd"/>
ہماری ویب سائٹ سے:<byte value="xd"/>
	%2</translation>
    </message>
    <message>
        <source>      INTERPRETATION OF THE MEANING OF THE NOBLE QURAN<byte value="xd"/>
Translated into the English Language By<byte value="xd"/>
Mohammed Marmaduke Pickthall (The Meaning of the Glorious Koran, 1930)<byte value="xd"/>
Text from a public-domain plain-text edition of Pickthall&apos;s translation.</source>
        <translation>      قرآنِ کریم کے معانی کی ترجمانی<byte value="xd"/>
انگریزی زبان میں ترجمہ از<byte value="xd"/>
محمد مارماڈیوک پکتھال (The Meaning of the Glorious Koran، 1930)<byte value="xd"/>
متن پکتھال کے ترجمے کے ایک عوامی ملکیت والے سادہ متن ایڈیشن سے۔</translation>
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
        <translation>ہمارے سافٹ ویئر<byte value="xd"/>
<byte value="xd"/>
Qarnivo - ہجری کیلنڈر، دنیا بھر کے طلوع، غروب اور زوال کے اوقات کے ساتھ۔<byte value="xd"/>
<byte value="xd"/>
ہمارے دوسرے کاموں کی تفصیل کے لیے براہِ کرم %1 دیکھیں<byte value="xd"/>
<byte value="xd"/>
بند کرنے کے لیے ڈبل کلک کریں<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The Year Value must be between 1 AH &amp; 20874 AH</source>
        <translation>سال ۱ ہجری اور ۲۰۸۷۴ ہجری کے درمیان ہونا چاہیے</translation>
    </message>
    <message>
        <source>The Year Value must be between 622 AD &amp; 20874 AD i.e.<byte value="xd"/>
from 1st Muharram 1 Hijri to 30.05.20874 AH/AD</source>
        <translation>سال ۶۲۲ عیسوی اور ۲۰۸۷۴ عیسوی کے درمیان ہونا چاہیے، یعنی<byte value="xd"/>
۱ محرم ۱ ہجری سے ۳۰.۰۵.۲۰۸۷۴ ہجری/عیسوی تک</translation>
    </message>
    <message>
        <source>Invalid Date. Dates prior to 16th July 622 AD (i.e. Before Hijri Era)<byte value="xd"/>
might yield erroneous by this program.</source>
        <translation>غلط تاریخ۔ ۱۶ جولائی ۶۲۲ عیسوی سے پہلے کی تاریخیں (یعنی ہجری دور سے پہلے)<byte value="xd"/>
اس پروگرام میں غلط نتیجہ دے سکتی ہیں۔</translation>
    </message>
    <message>
        <source>Invalid Date. Dates beyond 30th May 20874 AD shall<byte value="xd"/>
might yield erroneous by this program.</source>
        <translation>غلط تاریخ۔ ۳۰ مئی ۲۰۸۷۴ عیسوی کے بعد کی تاریخیں<byte value="xd"/>
اس پروگرام میں غلط نتیجہ دے سکتی ہیں۔</translation>
    </message>
    <message>
        <source>INVALID DATE, DAY VALUE SHOULD BE UPTO 29</source>
        <translation>غلط تاریخ، دن ۲۹ تک ہونا چاہیے</translation>
    </message>
    <message>
        <source>Invalid date, Day value should be upto 28</source>
        <translation>غلط تاریخ، دن ۲۸ تک ہونا چاہیے</translation>
    </message>
    <message>
        <source>Invalid date, Day value should be upto 30</source>
        <translation>غلط تاریخ، دن ۳۰ تک ہونا چاہیے</translation>
    </message>
    <message>
        <source>Invalid Date. Dates between 5th October 1582 &amp; 14th October 1582<byte value="xd"/>
are not valid due to adustment of in between 10 days to make the<byte value="xd"/>
Gregorian at par with Julian Calendar.</source>
        <translation>غلط تاریخ۔ ۵ اکتوبر ۱۵۸۲ اور ۱۴ اکتوبر ۱۵۸۲ کے درمیان کی تاریخیں<byte value="xd"/>
درست نہیں، کیونکہ جولین سے گریگورین کیلنڈر میں منتقلی پر<byte value="xd"/>
یہ دس دن حذف کیے گئے تھے۔</translation>
    </message>
    <message>
        <source>Invalid Date. Dates beyond to 30th Jumadil-Awwal 20874 AH<byte value="xd"/>
might yield erroneous by this program.</source>
        <translation>غلط تاریخ۔ ۳۰ جمادی الاول ۲۰۸۷۴ ہجری کے بعد کی تاریخیں<byte value="xd"/>
اس پروگرام میں غلط نتیجہ دے سکتی ہیں۔</translation>
    </message>
    <message>
        <source>Invalid date, %1 %2 has %3 days</source>
        <translation>غلط تاریخ، %1 %2 کے %3 دن ہیں</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>Months from %1 to %2 AH may be announced.</source>
        <translation>%1 سے %2 ہجری تک کے مہینوں کا اعلان کیا جا سکتا ہے۔</translation>
    </message>
    <message>
        <source> (set aside: %1)</source>
        <translation> (الگ رکھا گیا: %1)</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>write the Hijri month and the Gregorian day it began, such as 1447-09 2026-02-18</source>
        <translation>ہجری مہینہ اور وہ عیسوی دن لکھیں جس دن وہ شروع ہوا، جیسے 1447-09 2026-02-18</translation>
    </message>
    <message>
        <source>months from %1 to %2 AH may be announced</source>
        <translation>%1 سے %2 ہجری تک کے مہینوں کا اعلان کیا جا سکتا ہے</translation>
    </message>
    <message>
        <source>%1 is no date</source>
        <translation>%1 کوئی تاریخ نہیں</translation>
    </message>
    <message>
        <source>With %1, %2 would have %3 days; a month has 29 or 30.</source>
        <translation>%1 کے ساتھ %2 کے %3 دن ہوں گے؛ مہینہ ۲۹ یا ۳۰ دن کا ہوتا ہے۔</translation>
    </message>
    <message>
        <source>%1 is %2 days after the calendar&apos;s 1st of that month, %3; an announced month begins at most %4 days from it.</source>
        <translation>%1 کیلنڈر میں اس مہینے کی پہلی تاریخ (%3) سے %2 دن بعد ہے؛ اعلان شدہ مہینہ اس سے زیادہ سے زیادہ %4 دن کے فاصلے پر شروع ہوتا ہے۔</translation>
    </message>
    <message>
        <source>%1 is %2 days before the calendar&apos;s 1st of that month, %3; an announced month begins at most %4 days from it.</source>
        <translation>%1 کیلنڈر میں اس مہینے کی پہلی تاریخ (%3) سے %2 دن پہلے ہے؛ اعلان شدہ مہینہ اس سے زیادہ سے زیادہ %4 دن کے فاصلے پر شروع ہوتا ہے۔</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1 %1 = %2</source>
        <translation>۱ %1 = %2</translation>
    </message>
    <message>
        <source>Begun by announcement on %1</source>
        <translation>اعلان کے مطابق %1 کو شروع ہوا</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 پہلے ہی سطر %2 پر ہے</translation>
    </message>
    <message>
        <source>Line %1 of the file: %2.</source>
        <translation>فائل کی سطر %1: %2۔</translation>
    </message>
</context>
<context>
    <name>Occasions</name>
    <message>
        <source>Imam Husain &apos;RA&apos; reaches Karbala</source>
        <translation>امام حسین رضی اللہ عنہ کی کربلا آمد</translation>
    </message>
    <message>
        <source>Karbala: the water of the Furaat closed to Imam Husain &apos;RA&apos; &amp;&amp; his family</source>
        <translation>کربلا: امام حسین رضی اللہ عنہ اور ان کے اہل خانہ پر فرات کا پانی بند</translation>
    </message>
    <message>
        <source>Karbala: day of Hazrat Abbas Alamdar &apos;RA&apos;</source>
        <translation>کربلا: یومِ حضرت عباس علمدار رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Shab-e-Shahadat of Ahle-Bait &apos;RA&apos;</source>
        <translation>شبِ شہادتِ اہلِ بیت رضی اللہ عنہم</translation>
    </message>
    <message>
        <source>Youm-e-Aa&apos;shurah/ Youm-e-Shahadat Imam Husain &apos;RA&apos;</source>
        <translation>یومِ عاشورہ/ یومِ شہادت امام حسین رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Wafat Hazrat Muhammad bin Hanafiyya &apos;RA&apos;</source>
        <translation>وفات حضرت محمد بن حنفیہ رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Wafat Imam Zain-ul-Abideen &apos;RA&apos;</source>
        <translation>وفات امام زین العابدین رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Wafat Hazrat Bilal Habshi &apos;RA&apos;</source>
        <translation>وفات حضرت بلال حبشی رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Aakhri-Chahar Shamba</source>
        <translation>آخری چہار شنبہ</translation>
    </message>
    <message>
        <source>Youm-e-Shahadat Imam Hasan &apos;RA&apos;</source>
        <translation>یومِ شہادت امام حسن رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Eid-Milad-un-Nabi, Wiladat/ Wafat Hazrat Muhammad &apos;SA&apos;</source>
        <translation>عید میلاد النبی، ولادت/ وفات حضرت محمد صلی اللہ علیہ وسلم</translation>
    </message>
    <message>
        <source>Wafat Hazrat Khwaja Ghulam Farid &apos;RA&apos;</source>
        <translation>وفات حضرت خواجہ غلام فرید رحمۃ اللہ علیہ</translation>
    </message>
    <message>
        <source>Gayarwheen Sharif</source>
        <translation>گیارہویں شریف</translation>
    </message>
    <message>
        <source>Urs-Hazrat Nizamuddin Auliya &apos;RA&apos;, Delhi</source>
        <translation>عرس حضرت نظام الدین اولیاء رحمۃ اللہ علیہ، دہلی</translation>
    </message>
    <message>
        <source>Wafat Hazrat Abu Bakr Siddiq &apos;RA&apos;</source>
        <translation>وفات حضرت ابوبکر صدیق رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Wafat Imam Ali Naqi &apos;RA&apos;</source>
        <translation>وفات امام علی نقی رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Urs-Hazrat Khwaja Moinuddin Chishti &apos;RA&apos;, Ajmer Sharif</source>
        <translation>عرس حضرت خواجہ معین الدین چشتی رحمۃ اللہ علیہ، اجمیر شریف</translation>
    </message>
    <message>
        <source>Youm-e-Wiladat Hazrat Ali &apos;RA&apos;</source>
        <translation>یومِ ولادت حضرت علی رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Wafat Hazrat Maulana Muhammad Ilyas &apos;RA&apos;</source>
        <translation>وفات حضرت مولانا محمد الیاس رحمۃ اللہ علیہ</translation>
    </message>
    <message>
        <source>SHAB-E-ME&apos;RAJ/ Wafat Hazrat Junaid Baghdadi &apos;RA&apos;</source>
        <translation>شبِ معراج/ وفات حضرت جنید بغدادی رحمۃ اللہ علیہ</translation>
    </message>
    <message>
        <source>Wiladat Imam Husain &apos;RA&apos;</source>
        <translation>ولادت امام حسین رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Wafat Hazrat Shaikh Abu Saeed Abul Khair &apos;RA&apos;</source>
        <translation>وفات حضرت شیخ ابو سعید ابو الخیر رحمۃ اللہ علیہ</translation>
    </message>
    <message>
        <source>SHAB-E-BARAT</source>
        <translation>شبِ برات</translation>
    </message>
    <message>
        <source>Start of Ramazan-ul-Mubarak</source>
        <translation>آغازِ رمضان المبارک</translation>
    </message>
    <message>
        <source>Wafat Hazrat Bibi Fatima-tuz-Zahra &apos;RA&apos;</source>
        <translation>وفات حضرت بی بی فاطمۃ الزہرا رضی اللہ عنہا</translation>
    </message>
    <message>
        <source>Wafat Hazrat Bibi Khadija-tul-Kubra &apos;RA&apos;</source>
        <translation>وفات حضرت بی بی خدیجۃ الکبریٰ رضی اللہ عنہا</translation>
    </message>
    <message>
        <source>Nazul-e-Qur&apos;an/ Wafat Hazrat Bibi Ayesha Siddiqa &apos;RA&apos;/ Jang-e-Badar</source>
        <translation>نزولِ قرآن/ وفات حضرت بی بی عائشہ صدیقہ رضی اللہ عنہا/ جنگِ بدر</translation>
    </message>
    <message>
        <source>Fatah-e-Makkah</source>
        <translation>فتحِ مکہ</translation>
    </message>
    <message>
        <source>Shab-e-Quadra / Shahadat Hazrat Ali &apos;RA&apos;</source>
        <translation>شبِ قدر / شہادت حضرت علی رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>LAILAT-UL-QUADRA</source>
        <translation>لیلۃ القدر</translation>
    </message>
    <message>
        <source>E&apos;ID-UL-FITRA</source>
        <translation>عید الفطر</translation>
    </message>
    <message>
        <source>Wafat Hazrat Makhdoom Sharfuddin Yahya Maneri &apos;RA&apos;</source>
        <translation>وفات حضرت مخدوم شرف الدین یحییٰ منیری رحمۃ اللہ علیہ</translation>
    </message>
    <message>
        <source>YOUM-UL-HAJJ</source>
        <translation>یوم الحج</translation>
    </message>
    <message>
        <source>E&apos;ID-UL-AZHA</source>
        <translation>عید الاضحیٰ</translation>
    </message>
    <message>
        <source>Shahadat Hazrat Usman Ghani &apos;RA&apos;</source>
        <translation>شہادت حضرت عثمان غنی رضی اللہ عنہ</translation>
    </message>
    <message>
        <source>Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar year %1.</source>
        <translation>نیا سال مبارک! آج اسلامی ہجری سال %1 کا پہلا دن ہے۔</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>City must have some name. New values not saved.</source>
        <translation>شہر کا کوئی نام ہونا ضروری ہے۔ نئی قدریں محفوظ نہیں ہوئیں۔</translation>
    </message>
    <message>
        <source>City details must not contain double quotes (&quot;). New values not saved.</source>
        <translation>شہر کی تفصیلات میں دوہرے واوین (&quot;) نہیں ہونے چاہییں۔ نئی قدریں محفوظ نہیں ہوئیں۔</translation>
    </message>
    <message>
        <source>Invalid Latitude value. Valid values are between -89.8 &amp; 89.8</source>
        <translation>عرض بلد کی قدر غلط ہے۔ درست قدریں ‎-89.8 اور 89.8 کے درمیان ہیں</translation>
    </message>
    <message>
        <source>Invalid Longitude value.  Valid values are between -180 &amp; 180</source>
        <translation>طول بلد کی قدر غلط ہے۔ درست قدریں ‎-180 اور 180 کے درمیان ہیں</translation>
    </message>
    <message>
        <source>Invalid GMT Time offset value.  Valid values are between -12 &amp; 12</source>
        <translation>GMT سے وقت کے فرق کی قدر غلط ہے۔ درست قدریں ‎-12 اور 12 کے درمیان ہیں</translation>
    </message>
    <message>
        <source>Default City Information, saved successfully.<byte value="xd"/>
Changes will be effective on next session.</source>
        <translation>پہلے سے طے شدہ شہر کی معلومات کامیابی سے محفوظ ہو گئیں۔<byte value="xd"/>
تبدیلیاں اگلی بار پروگرام کھولنے پر نافذ ہوں گی۔</translation>
    </message>
    <message>
        <source>Default City Information could not be saved to &apos;%1&apos;:<byte value="xd"/>
%2<byte value="xd"/>
The file is unchanged. Correct the problem and click Update again.</source>
        <translation>پہلے سے طے شدہ شہر کی معلومات &apos;%1&apos; میں محفوظ نہیں ہو سکیں:<byte value="xd"/>
%2<byte value="xd"/>
فائل میں کوئی تبدیلی نہیں ہوئی۔ مسئلہ درست کر کے دوبارہ اپ ڈیٹ پر کلک کریں۔</translation>
    </message>
    <message>
        <source>File &apos;InfoCity.txt&apos; not found. For your convenience this file has been<byte value="xd"/>
created in your application folder. You can change its contents<byte value="xd"/>
carefully. You may also change this default value from within the<byte value="xd"/>
program.<byte value="xd"/>
<byte value="xd"/>
RE-START THE PROGRAM TO TAKE EFFECT NEW VALUES.</source>
        <translation>فائل &apos;InfoCity.txt&apos; نہیں ملی۔ آپ کی سہولت کے لیے یہ فائل<byte value="xd"/>
آپ کے پروگرام کے فولڈر میں بنا دی گئی ہے۔ آپ اس کا مواد<byte value="xd"/>
احتیاط سے بدل سکتے ہیں۔ یہ پہلے سے طے شدہ قدر آپ<byte value="xd"/>
پروگرام کے اندر سے بھی بدل سکتے ہیں۔<byte value="xd"/>
<byte value="xd"/>
نئی قدریں نافذ کرنے کے لیے پروگرام دوبارہ شروع کریں۔</translation>
    </message>
    <message>
        <source>The city file could not be created:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The default city is shown for this session.</source>
        <translation>شہر کی فائل نہیں بنائی جا سکی:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
اس بار پہلے سے طے شدہ شہر دکھایا جا رہا ہے۔</translation>
    </message>
    <message>
        <source>It does not hold the city&apos;s name, latitude, longitude and GMT offset.</source>
        <translation>اس میں شہر کا نام، عرض بلد، طول بلد اور GMT سے فرق موجود نہیں۔</translation>
    </message>
    <message>
        <source>It is not a text file that can be read.</source>
        <translation>یہ پڑھی جا سکنے والی متنی فائل نہیں ہے۔</translation>
    </message>
    <message>
        <source>The city file cannot be used:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file is left as it is; the default city is shown for this session.</source>
        <translation>شہر کی فائل استعمال نہیں کی جا سکتی:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
فائل جیسی تھی ویسی چھوڑ دی گئی ہے؛ اس بار پہلے سے طے شدہ شہر دکھایا جا رہا ہے۔</translation>
    </message>
    <message>
        <source>Search complete, no more found.<byte value="xd"/>
Total found = (%1).</source>
        <translation>تلاش مکمل، مزید کچھ نہیں ملا۔<byte value="xd"/>
کل ملے = (%1)۔</translation>
    </message>
    <message>
        <source>Select City by Double Click (%1)</source>
        <translation>ڈبل کلک سے شہر منتخب کریں (%1)</translation>
    </message>
    <message>
        <source>%1 Hours</source>
        <translation>%1 گھنٹے</translation>
    </message>
</context>
<context>
    <name>Prayer</name>
    <message>
        <source>polar day</source>
        <translation>قطبی دن</translation>
    </message>
    <message>
        <source>polar night</source>
        <translation>قطبی رات</translation>
    </message>
    <message>
        <source>the sun does not set</source>
        <translation>سورج غروب نہیں ہوتا</translation>
    </message>
    <message>
        <source>the sun does not rise</source>
        <translation>سورج طلوع نہیں ہوتا</translation>
    </message>
    <message>
        <source>%1 (tomorrow) in %2</source>
        <translation>%1 (کل) %2 میں</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 %2 میں</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>قبل دوپہر</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>بعد دوپہر</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطۂ عالمِ اسلامی</translation>
    </message>
    <message>
        <source>ISNA (North America)</source>
        <translation>ISNA (شمالی امریکہ)</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>مصری</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translation>کراچی</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>ام القریٰ</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبئی</translation>
    </message>
    <message>
        <source>Moonsighting Committee</source>
        <translation>رویتِ ہلال کمیٹی</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>کویت</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>قطر</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنگاپور</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>تہران</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>ترکی</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>اتوار</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>ہفتہ</translation>
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
        <translation>%1، عصر حنفی</translation>
    </message>
    <message>
        <source>%1, standard Asr</source>
        <translation>%1، عصر جمہور</translation>
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
        <source>Prayer Times: %1, %2</source>
        <translation>اوقاتِ نماز: %1، %2</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>طریقہ: %1</translation>
    </message>
    <message>
        <source>%1 prayer</source>
        <translation>نمازِ %1</translation>
    </message>
    <message>
        <source>Fajr ends soon</source>
        <translation>فجر کا وقت جلد ختم ہو رہا ہے</translation>
    </message>
    <message>
        <source>%1 soon</source>
        <translation>%1 جلد</translation>
    </message>
    <message>
        <source>Jumu&apos;ah</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>It is time for %1 (%2) in %3.</source>
        <translation>%3 میں %1 (%2) کا وقت ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>The time of Fajr ends in %1 min, at sunrise (%2), in %3.</source>
        <translation>%3 میں فجر کا وقت %1 منٹ میں، طلوعِ آفتاب (%2) پر، ختم ہو جائے گا۔</translation>
    </message>
    <message>
        <source>Jumu&apos;ah in %1 min (%2) in %3.</source>
        <translation>%3 میں جمعہ %1 منٹ میں (%2)۔</translation>
    </message>
    <message>
        <source>%1 in %2 min (%3) in %4.</source>
        <translation>%4 میں %1 %2 منٹ میں (%3)۔</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>روکیں</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>north</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>north-northeast</source>
        <translation>شمال شمال مشرق</translation>
    </message>
    <message>
        <source>northeast</source>
        <translation>شمال مشرق</translation>
    </message>
    <message>
        <source>east-northeast</source>
        <translation>مشرق شمال مشرق</translation>
    </message>
    <message>
        <source>east</source>
        <translation>مشرق</translation>
    </message>
    <message>
        <source>east-southeast</source>
        <translation>مشرق جنوب مشرق</translation>
    </message>
    <message>
        <source>southeast</source>
        <translation>جنوب مشرق</translation>
    </message>
    <message>
        <source>south-southeast</source>
        <translation>جنوب جنوب مشرق</translation>
    </message>
    <message>
        <source>south</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>south-southwest</source>
        <translation>جنوب جنوب مغرب</translation>
    </message>
    <message>
        <source>southwest</source>
        <translation>جنوب مغرب</translation>
    </message>
    <message>
        <source>west-southwest</source>
        <translation>مغرب جنوب مغرب</translation>
    </message>
    <message>
        <source>west</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>west-northwest</source>
        <translation>مغرب شمال مغرب</translation>
    </message>
    <message>
        <source>northwest</source>
        <translation>شمال مغرب</translation>
    </message>
    <message>
        <source>north-northwest</source>
        <translation>شمال شمال مغرب</translation>
    </message>
    <message>
        <source>at the Kaaba</source>
        <translation>کعبہ کے مقام پر</translation>
    </message>
    <message>
        <source>at the antipode: every direction</source>
        <translation>زمین پر کعبہ کے عین مقابل مقام پر: ہر سمت</translation>
    </message>
    <message>
        <source>%1°, %2</source>
        <translation>%1°، %2</translation>
    </message>
    <message>
        <source>Qibla from %1: %2 (%3 km)</source>
        <translation>%1 سے قبلہ: %2 (%3 کلومیٹر)</translation>
    </message>
    <message>
        <source>Qibla from %1: %2</source>
        <translation>%1 سے قبلہ: %2</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 لکھی نہیں جا سکی: %2</translation>
    </message>
    <message>
        <source>%1 occasions after 31 December 9999 left out: iCalendar dates have four-digit years.</source>
        <translation>31 دسمبر 9999 کے بعد کی %1 مناسبتیں چھوڑ دی گئیں: iCalendar کی تاریخوں میں سال چار ہندسوں کا ہوتا ہے۔</translation>
    </message>
    <message>
        <source>divine command to use a (Hijra) calendar</source>
        <translation>(ہجری) کیلنڈر اختیار کرنے کا الٰہی حکم</translation>
    </message>
    <message>
        <source>Surah II-Al-Baqarah, Ayat: 189:</source>
        <translation>سورۃ البقرہ (2)، آیت: 189:</translation>
    </message>
    <message>
        <source>Surah IX-Al-Taubah, Ayat:36:</source>
        <translation>سورۃ التوبہ (9)، آیت: 36:</translation>
    </message>
    <message>
        <source>Surah IX-Al-Taubah, Ayat:37:</source>
        <translation>سورۃ التوبہ (9)، آیت: 37:</translation>
    </message>
    <message>
        <source>For more on the Hijri calendar, visit us at %1<byte value="xd"/>
<byte value="xd"/>
DOUBLE CLICK TO CLOSE</source>
        <translation>ہجری کیلنڈر کے بارے میں مزید جاننے کے لیے ہمیں %1 پر دیکھیں<byte value="xd"/>
<byte value="xd"/>
بند کرنے کے لیے ڈبل کلک کریں</translation>
    </message>
    <message>
        <source>Please read the Manual File &apos;Qarnivo User&apos;s Manual.pdf&apos; supplied<byte value="xd"/>
with this software for updated features.<byte value="xd"/>
</source>
        <translation>تازہ ترین خصوصیات کے لیے براہِ کرم اس سافٹ ویئر کے ساتھ دی گئی<byte value="xd"/>
رہنما فائل &apos;Qarnivo User&apos;s Manual.pdf&apos; پڑھیں۔<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>All Tips (Thoughts of the Day) may be printed in a text file %1. Would you like to create a text file of these Tips?</source>
        <translation>تمام مشورے (آج کا خیال) ایک متنی فائل %1 میں چھاپے جا سکتے ہیں۔ کیا آپ ان مشوروں کی متنی فائل بنانا چاہیں گے؟</translation>
    </message>
    <message>
        <source>DONE! FILE CREATED SUCCESSFULLY (117 kB)</source>
        <translation>ہو گیا! فائل کامیابی سے بن گئی (۱۱۷ کلو بائٹ)</translation>
    </message>
    <message>
        <source>The file %1 could not be created.<byte value="xd"/>
%2</source>
        <translation>فائل %1 نہیں بنائی جا سکی۔<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>BISME ALLAH - AR-RAHMAN - AR-RAHEEM</source>
        <translation>بسم اللہ الرحمٰن الرحیم</translation>
    </message>
    <message>
        <source>MONTH: %1</source>
        <translation>مہینہ: %1</translation>
    </message>
    <message>
        <source>Day - %1: </source>
        <translation>دن - %1: </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>سطر %1: %2</translation>
    </message>
    <message>
        <source>the record before has no text</source>
        <translation>پچھلے اندراج میں کوئی متن نہیں</translation>
    </message>
    <message>
        <source>text before the first record</source>
        <translation>پہلے اندراج سے پہلے متن</translation>
    </message>
    <message>
        <source>the last record has no text</source>
        <translation>آخری اندراج میں کوئی متن نہیں</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 موجود نہیں</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 پڑھا نہیں جا سکتا</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 بہت بڑا ہے</translation>
    </message>
    <message>
        <source>[%1] names no Hijri month and day</source>
        <translation>[%1] کسی ہجری مہینے اور دن کا نام نہیں</translation>
    </message>
    <message>
        <source>[%1] is given twice</source>
        <translation>[%1] دو بار دیا گیا ہے</translation>
    </message>
    <message>
        <source>[%1] has no reading</source>
        <translation>[%1] کا کوئی مطالعہ نہیں</translation>
    </message>
    <message>
        <source>%1 readings instead of %2</source>
        <translation>%2 کے بجائے %1 مطالعے</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 cannot be read or written: its folder or the file itself is not open to you. Your changes will not be kept after Qarnivo closes.</source>
        <translation>ترتیبات کی فائل %1 پڑھی یا لکھی نہیں جا سکتی: اس کا فولڈر یا خود فائل آپ کے لیے کھلی نہیں۔ Qarnivo بند ہونے کے بعد آپ کی تبدیلیاں باقی نہیں رہیں گی۔</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be read. Your changes will not be kept after Qarnivo closes.</source>
        <translation>ترتیبات کی فائل %1 خراب ہے اور پڑھی نہیں جا سکتی۔ Qarnivo بند ہونے کے بعد آپ کی تبدیلیاں باقی نہیں رہیں گی۔</translation>
    </message>
</context>
<context>
    <name>SunPage</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 لکھی نہیں جا سکتی: %2</translation>
    </message>
    <message>
        <source>the old page cannot be replaced</source>
        <translation>پرانا صفحہ بدلا نہیں جا سکتا</translation>
    </message>
    <message>
        <source>the page cannot be put in place</source>
        <translation>صفحہ اپنی جگہ نہیں رکھا جا سکتا</translation>
    </message>
    <message>
        <source>Error found in one of originally packaged files.<byte value="xd"/>
Re-install to rectify this problem.</source>
        <translation>پروگرام کے ساتھ آنے والی فائلوں میں سے ایک میں خرابی ملی۔<byte value="xd"/>
یہ مسئلہ درست کرنے کے لیے دوبارہ انسٹال کریں۔</translation>
    </message>
    <message>
        <source>The system folder is unknown.</source>
        <translation>سسٹم فولڈر معلوم نہیں۔</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>%1 کھولی نہیں جا سکتی۔</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 نہیں ملی۔</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 پڑھی نہیں جا سکتی۔</translation>
    </message>
    <message>
        <source>%1 is far too large.</source>
        <translation>%1 بہت زیادہ بڑی ہے۔</translation>
    </message>
    <message>
        <source>The page would be %1 bytes long, outside %2 to %3.</source>
        <translation>صفحہ %1 بائٹ لمبا ہوگا، جو %2 سے %3 کی حد سے باہر ہے۔</translation>
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
    <message>
        <source>An announced month begins on its announced day, whatever the day correction.</source>
        <translation>اعلان شدہ مہینہ اپنے اعلان شدہ دن سے شروع ہوتا ہے، دن کی تصحیح جو بھی ہو۔</translation>
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
    <message>
        <source>Umm al-Qura follows the official month starts from 1300 to 1600 AH; outside them the arithmetical calendar applies.</source>
        <translation>اُمّ القریٰ ۱۳۰۰ سے ۱۶۰۰ ہجری تک سرکاری مہینوں کے آغاز پر چلتا ہے؛ ان سے باہر حسابی کیلنڈر لاگو ہوتا ہے۔</translation>
    </message>
    <message>
        <source>A&amp;dhan and reminders...</source>
        <translation>&amp;اذان اور یاد دہانیاں...</translation>
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
    <name>qarnivo::PrayerAlertsDialog</name>
    <message>
        <source>&amp;Adhan:</source>
        <translation>&amp;اذان:</translation>
    </message>
    <message>
        <source>&amp;Fajr&apos;s adhan:</source>
        <translation>&amp;فجر کی اذان:</translation>
    </message>
    <message>
        <source>Adhan and reminders</source>
        <translation>اذان اور یاد دہانیاں</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>اطلاع</translation>
    </message>
    <message>
        <source>Notification and adhan</source>
        <translation>اطلاع اور اذان</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>%1 کے وقت</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;چلائیں</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;آواز:</translation>
    </message>
    <message>
        <source>Reminders, minutes before (0 is off):</source>
        <translation>یاد دہانیاں، وقت سے اتنے منٹ پہلے (۰ یعنی بند):</translation>
    </message>
    <message>
        <source>Minutes before %1</source>
        <translation>%1 سے پہلے منٹ</translation>
    </message>
    <message>
        <source>Warns that the time of Fajr is ending</source>
        <translation>خبردار کرتا ہے کہ فجر کا وقت ختم ہو رہا ہے</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>منتخب کریں...</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>گھنٹی</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>وہی</translation>
    </message>
    <message>
        <source>The built-in chime</source>
        <translation>پروگرام کی اپنی گھنٹی</translation>
    </message>
    <message>
        <source>The same as the other prayers</source>
        <translation>باقی نمازوں جیسی</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>اپنی گھنٹی</translation>
    </message>
    <message>
        <source>Same as the other prayers</source>
        <translation>باقی نمازوں جیسی</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>%1 چلائی نہیں جا سکی: %2</translation>
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
    <message>
        <source>Middle of the night: %1</source>
        <translation>آدھی رات: %1</translation>
    </message>
    <message>
        <source>Last third of the night: %1</source>
        <translation>رات کا آخری تہائی حصہ: %1</translation>
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
    <message>
        <source>&amp;Stop the adhan</source>
        <translation>اذان &amp;روکیں</translation>
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
        <translation>متنی فائل &apos;AddCity.txt&apos; کھولیں اور شہر / مقام کی معلومات<byte value="xd"/>
صرف دیے گئے طریقے سے شامل کریں۔ غلط اندراج سے خرابی ہو سکتی ہے۔</translation>
    </message>
    <message>
        <source>Open the text file &apos;GMT Offsets.txt&apos; and add a Country or City<byte value="xd"/>
in the given format ONLY. Erroneous entry may lead to Error.</source>
        <translation>متنی فائل &apos;GMT Offsets.txt&apos; کھولیں اور کوئی ملک یا شہر<byte value="xd"/>
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
    <message>
        <source>The page cannot be shown: Qarnivo&apos;s browser engine could not be loaded. Reinstalling Qarnivo may mend it.</source>
        <translation>صفحہ نہیں دکھایا جا سکتا: Qarnivo کا براؤزر انجن لوڈ نہیں ہو سکا۔ Qarnivo دوبارہ انسٹال کرنے سے یہ ٹھیک ہو سکتا ہے۔</translation>
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
    <message>
        <source>Qibla: %1</source>
        <translation>قبلہ: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>Stop the adhan</source>
        <translation>اذان روکیں</translation>
    </message>
    <message>
        <source>The adhan could not be played</source>
        <translation>اذان نہیں چل سکی</translation>
    </message>
    <message>
        <source>%1: %2. The chime plays instead.</source>
        <translation>%1: %2۔ اس کی جگہ گھنٹی بجے گی۔</translation>
    </message>
</context>
</TS>
