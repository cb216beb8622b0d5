<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
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
</TS>
