<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
</TS>
