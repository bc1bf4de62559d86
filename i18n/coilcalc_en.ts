<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Conditions</name>
    <message>
        <source>Частота «%1» — не число</source>
        <translation>Frequency “%1” is not a number</translation>
    </message>
    <message>
        <source>Частота должна быть больше нуля</source>
        <translation>The frequency must be greater than zero</translation>
    </message>
    <message>
        <source>Частота вне пределов моделей: задайте от %1 до %2 кГц</source>
        <translation>Frequency outside the models: give %1 to %2 kHz</translation>
    </message>
    <message>
        <source>Диаметр провода «%1» — не число</source>
        <translation>Wire diameter “%1” is not a number</translation>
    </message>
    <message>
        <source>Диаметр провода должен быть больше нуля</source>
        <translation>The wire diameter must be greater than zero</translation>
    </message>
    <message>
        <source>Диаметр провода вне пределов моделей: задайте от %1 до %2 мм</source>
        <translation>Wire diameter outside the models: give %1 to %2 mm</translation>
    </message>
    <message>
        <source>Провод %1 мм толще шага намотки l/N = %2 мм: на частоте не рассчитывается</source>
        <translation>A %1 mm wire is thicker than the winding pitch l/N = %2 mm: no figures at the frequency</translation>
    </message>
    <message>
        <source>Провод %1 мм не помещается в сечение обмотки (N·d² &gt; l·Dr, наибольший — %2 мм): на частоте не рассчитывается</source>
        <translation>A %1 mm wire does not fit the winding section (N·d² &gt; l·Dr, the largest is %2 mm): no figures at the frequency</translation>
    </message>
    <message>
        <source>Нет провода: на частоте не рассчитывается</source>
        <translation>No wire: no figures at the frequency</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>:/help/calculate.html</source>
        <extracomment>The help page in this language: a path in the resources (resources/coilcalc.qrc).</extracomment>
        <translation>:/help/calculate_en.html</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Катушка слишком короткая для расчёта: длина намотки l должна быть больше D/20 (обе величины в мм), а диаметр D — больше нуля.</source>
        <translation>The coil is too short to calculate: the winding length l must be greater than D/20 (both in mm), and the diameter D greater than zero.</translation>
    </message>
    <message>
        <source>Диаметр провода не может быть равен нулю !</source>
        <translation>The wire diameter cannot be zero!</translation>
    </message>
    <message>
        <source>Длина намотки не может быть равной нулю !</source>
        <translation>The winding length cannot be zero!</translation>
    </message>
    <message>
        <source>А какую индуктивность посчитать?</source>
        <translation>And what inductance shall I calculate?</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>:/pictures/mnogosl.pbm</source>
        <extracomment>The picture with the labels (Dвн, Dr, l, r) in this language: a path in the resources.</extracomment>
        <translation>:/pictures/mnogosl_en.pbm</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>Точный расчёт для таких размеров не выполняется</source>
        <translation>No exact calculation for these dimensions</translation>
    </message>
    <message>
        <source>токовый слой</source>
        <translation>current sheet</translation>
    </message>
    <message>
        <source>обмотка прямоугольного сечения</source>
        <translation>rectangular-section winding</translation>
    </message>
    <message>
        <source>Точный расчёт (%1): %2 мкГн</source>
        <translation>Exact calculation (%1): %2 µH</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>формула занижает на %1 %</source>
        <translation>the formula is %1 % low</translation>
    </message>
    <message>
        <source>формула завышает на %1 %</source>
        <translation>the formula is %1 % high</translation>
    </message>
    <message>
        <source>формула точна до %1 %</source>
        <translation>the formula is exact to %1 %</translation>
    </message>
    <message>
        <source>формулы для такой короткой катушки нет</source>
        <translation>no formula for so short a coil</translation>
    </message>
    <message>
        <source>нужно N = %1, Dr = %2 см</source>
        <translation>needs N = %1, Dr = %2 cm</translation>
    </message>
    <message>
        <source>нужно N = %1</source>
        <translation>needs N = %1</translation>
    </message>
    <message>
        <source>Точный расчёт: %1 мкГн</source>
        <translation>Exact calculation: %1 µH</translation>
    </message>
    <message>
        <source>Точный расчёт: %1 мкГн, как требуется</source>
        <translation>Exact calculation: %1 µH, as required</translation>
    </message>
    <message>
        <source>Точный расчёт: %1 мкГн, на %2 % меньше требуемой</source>
        <translation>Exact calculation: %1 µH, %2 % below the required</translation>
    </message>
    <message>
        <source>Точный расчёт: %1 мкГн, на %2 % больше требуемой</source>
        <translation>Exact calculation: %1 µH, %2 % above the required</translation>
    </message>
    <message>
        <source>Точный расчёт (%1)</source>
        <translation>Exact calculation (%1)</translation>
    </message>
    <message>
        <source>Наибольший провод, который помещается</source>
        <translation>The largest wire that fits</translation>
    </message>
    <message>
        <source>Провод d = %1 мм</source>
        <translation>Wire d = %1 mm</translation>
    </message>
    <message>
        <source>Индуктивность</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>Формула занижает на</source>
        <translation>Formula low by</translation>
    </message>
    <message>
        <source>Формула завышает на</source>
        <translation>Formula high by</translation>
    </message>
    <message>
        <source>Формула точна до</source>
        <translation>Formula exact to</translation>
    </message>
    <message>
        <source>Меньше требуемой на</source>
        <translation>Below the required by</translation>
    </message>
    <message>
        <source>Больше требуемой на</source>
        <translation>Above the required by</translation>
    </message>
    <message>
        <source>Равна требуемой с точностью до</source>
        <translation>Equal to the required within</translation>
    </message>
    <message>
        <source>Формулы для такой короткой катушки нет</source>
        <translation>No formula for so short a coil</translation>
    </message>
    <message>
        <source>Диаметр (шаг намотки l/N)</source>
        <translation>Diameter (winding pitch l/N)</translation>
    </message>
    <message>
        <source>Диаметр (квадратная укладка)</source>
        <translation>Diameter (square packing)</translation>
    </message>
    <message>
        <source>Длина провода</source>
        <translation>Wire length</translation>
    </message>
    <message>
        <source>Масса меди</source>
        <translation>Copper mass</translation>
    </message>
    <message>
        <source>Сопротивление постоянному току</source>
        <translation>DC resistance</translation>
    </message>
    <message>
        <source>Витков в слое</source>
        <translation>Turns per layer</translation>
    </message>
    <message>
        <source>Слоёв</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Средняя длина витка</source>
        <translation>Mean turn length</translation>
    </message>
    <message>
        <source>Наружный диаметр</source>
        <translation>Outer diameter</translation>
    </message>
    <message>
        <source>Нужно витков</source>
        <translation>Turns needed</translation>
    </message>
    <message>
        <source>Толщина намотки для них</source>
        <translation>Winding depth for them</translation>
    </message>
    <message>
        <source>Сопротивление по формуле L/(%1 c²)</source>
        <translation>Resistance by the formula L/(%1 c²)</translation>
    </message>
    <message>
        <source>Ослабление с сопротивлением провода</source>
        <translation>Attenuation with the wire&apos;s resistance</translation>
    </message>
    <message>
        <source>Вносимое ослабление по формуле</source>
        <translation>Insertion loss by the formula</translation>
    </message>
    <message>
        <source>Допустимое ослабление (задано)</source>
        <translation>Allowed attenuation (given)</translation>
    </message>
    <message>
        <source>Медь при 20 °C: 1/%1 Ом·мм²/м, %2 г/см³;</source>
        <translation>Copper at 20 °C: 1/%1 Ω·mm²/m, %2 g/cm³;</translation>
    </message>
    <message>
        <source>d — диаметр провода по меди, без изоляции</source>
        <translation>d is the bare copper diameter, without insulation</translation>
    </message>
    <message>
        <source>На частоте %1 кГц</source>
        <translation>At %1 kHz</translation>
    </message>
    <message>
        <source>Глубина скин-слоя δ</source>
        <translation>Skin depth δ</translation>
    </message>
    <message>
        <source>Сопротивление прямого провода (скин-эффект)</source>
        <translation>Straight wire resistance (skin effect)</translation>
    </message>
    <message>
        <source>Сопротивление катушки (скин-эффект и близость витков)</source>
        <translation>Coil resistance (skin and proximity effect)</translation>
    </message>
    <message>
        <source>Реактивное сопротивление 2πfL</source>
        <translation>Reactance 2πfL</translation>
    </message>
    <message>
        <source>Добротность Q</source>
        <translation>Quality factor Q</translation>
    </message>
    <message>
        <source>Собственная ёмкость</source>
        <translation>Self-capacitance</translation>
    </message>
    <message>
        <source>Частота собственного резонанса</source>
        <translation>Self-resonant frequency</translation>
    </message>
    <message>
        <source>Ослабление с сопротивлением на частоте</source>
        <translation>Attenuation with the resistance at the frequency</translation>
    </message>
    <message>
        <source>Q = %1</source>
        <translation>Q = %1</translation>
    </message>
    <message>
        <source>близко к собственному резонансу (f/fres = %1)</source>
        <translation>near self-resonance (f/fres = %1)</translation>
    </message>
    <message>
        <source>выше собственного резонанса (f/fres = %1)</source>
        <translation>above self-resonance (f/fres = %1)</translation>
    </message>
    <message>
        <source>f/fres = %1, не меньше %2: индуктивность, 2πfL и Q как у катушки без собственной ёмкости здесь неточны</source>
        <translation>f/fres = %1, not below %2: the inductance, 2πfL and Q of a coil without self-capacitance are inexact here</translation>
    </message>
    <message>
        <source>f/fres = %1: катушка выше собственного резонанса, добротности у неё нет</source>
        <translation>f/fres = %1: the coil is above its self-resonance and has no quality factor</translation>
    </message>
    <message>
        <source>Скин-эффект: точное решение для круглого провода (функции Бесселя), погрешность менее 1E-12</source>
        <translation>Skin effect: the exact solution for a round wire (Bessel functions), error below 1E-12</translation>
    </message>
    <message>
        <source>Близость витков: множитель Медхерста (1947) по его измерениям, разброс которых — несколько процентов</source>
        <translation>Proximity effect: Medhurst’s factor (1947) from his measurements, which scatter by a few per cent</translation>
    </message>
    <message>
        <source>Собственная ёмкость: формула Найта (2016), до 4,4 % от измерений Медхерста</source>
        <translation>Self-capacitance: Knight’s formula (2016), within 4.4 % of Medhurst’s measurements</translation>
    </message>
    <message>
        <source>Близость витков: потери каждого витка в поле самой обмотки по её сечению; до 5 % от формулы Доуэлла при d/δ до 1,5, выше d/δ = 2 — оценка сверху</source>
        <translation>Proximity effect: the loss of each turn in the winding’s own field over its section; within 5 % of Dowell’s formula up to d/δ = 1.5, an upper bound above d/δ = 2</translation>
    </message>
    <message>
        <source>Собственная ёмкость и резонанс многослойной обмотки не даются: погрешность известных моделей не ограничена</source>
        <translation>No self-capacitance or self-resonance for a multi-layer winding: the error of the known models has no bound</translation>
    </message>
    <message>
        <source>Сопротивление на частоте: размеры катушки вне пределов модели</source>
        <translation>Resistance at the frequency: the coil dimensions are outside the model</translation>
    </message>
    <message>
        <source>Собственная ёмкость и резонанс: размеры катушки вне пределов модели</source>
        <translation>Self-capacitance and resonance: the coil dimensions are outside the model</translation>
    </message>
    <message>
        <source>Собственный резонанс: волна на спирали с ёмкостью между концами (по Найту, 2016), до 14 % от измеренного на трёх катушках</source>
        <translation>Self-resonance: the wave on the helix with a capacitance between its ends (after Knight, 2016), within 14 % of three measured coils</translation>
    </message>
</context>
<context>
    <name>ReferenceLine</name>
    <message>
        <source>Предупреждение: %1</source>
        <translation>Warning: %1</translation>
    </message>
</context>
<context>
    <name>Searches</name>
    <message>
        <source>Подбор числа витков остановился на %1: прибавка %2 витка уже не меняет такое большое число. Уменьшите требуемую индуктивность или увеличьте размеры катушки.</source>
        <translation>The turns search stopped at %1: adding %2 turn no longer changes so large a number. Reduce the required inductance or enlarge the coil.</translation>
    </message>
    <message>
        <source>Подбор числа витков прерван после %1 шагов (%2 витков): индуктивность так и не вошла в пределы 1 % от требуемой. Проверьте размеры катушки: при отрицательных или ничтожно малых размерах подбор может не закончиться.</source>
        <translation>The turns search was stopped after %1 steps (%2 turns): the inductance never came within 1 % of the required one. Check the coil dimensions: with negative or vanishingly small dimensions the search may never end.</translation>
    </message>
    <message>
        <source>Для такой индуктивности нужно больше %1 витков, а так далеко подбор числа витков не ведётся. Уменьшите требуемую индуктивность или увеличьте размеры катушки.</source>
        <translation>This inductance needs more than %1 turns, and the turns search does not go that far. Reduce the required inductance or enlarge the coil.</translation>
    </message>
    <message>
        <source>Требуемая индуктивность слишком мала для этих размеров катушки: уже %1 витка дают %2 мкГн, больше требуемой более чем на 1 %. Задайте большую индуктивность, меньший внутренний диаметр или большую длину намотки.</source>
        <translation>The required inductance is too small for these coil dimensions: already %1 turns give %2 µH, more than 1 % above the required one. Give a larger inductance, a smaller inner diameter or a longer winding.</translation>
    </message>
    <message>
        <source>Ни одно число витков не даёт индуктивность в пределах 1 % от требуемой: при %1 витка получается %2 мкГн, а при %3 витка уже %4 мкГн. Задайте большую индуктивность, меньший внутренний диаметр или большую длину намотки.</source>
        <translation>No number of turns gives an inductance within 1 % of the required one: %1 turns give %2 µH, and %3 turns already %4 µH. Give a larger inductance, a smaller inner diameter or a longer winding.</translation>
    </message>
    <message>
        <source>Требуемая индуктивность должна быть положительной: с отрицательным значением подбор числа витков не закончится.</source>
        <translation>The required inductance must be positive: with a negative value the turns search would never end.</translation>
    </message>
    <message>
        <source>Ослабление %1 дБ слишком велико: расчёт доходит только до уровня %2 дБ, дальше его шаг уже не меняет результат. Задайте ослабление меньше %2 дБ.</source>
        <translation>An attenuation of %1 dB is too large: the calculation reaches only a level of %2 dB, beyond which its step no longer changes the result. Give an attenuation below %2 dB.</translation>
    </message>
    <message>
        <source>Ослабление %1 дБ не достигается: расчёт начинается с уровня %2 дБ, а дальше уровень только растёт. Задайте ослабление от %3 дБ и больше.</source>
        <translation>An attenuation of %1 dB cannot be reached: the calculation starts at a level of %2 dB, and from there the level only rises. Give an attenuation of %3 dB or more.</translation>
    </message>
    <message>
        <source>Ослабление %1 дБ не достигается: соседние точки расчёта дают уровни %2 дБ и %3 дБ, оба дальше чем на %4 дБ от заданного. Задайте ослабление от %4 дБ и больше.</source>
        <translation>An attenuation of %1 dB cannot be reached: neighbouring points of the calculation give levels of %2 dB and %3 dB, both more than %4 dB away from it. Give an attenuation of %4 dB or more.</translation>
    </message>
    <message>
        <source>Корень пятой степени из %1 не находится: подбор доходит только до %2, дальше шаг %3 уже не меняет значение. Уменьшите индуктивность или диаметр провода.</source>
        <translation>The fifth root of %1 cannot be found: the search reaches only %2, beyond which the step %3 no longer changes the value. Reduce the inductance or the wire diameter.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Программа для конструктивного расчета</source>
        <translation>A program for the design calculation</translation>
    </message>
    <message>
        <source>катушек индуктивности</source>
        <translation>of inductance coils</translation>
    </message>
    <message>
        <source>Автор: разработчики coilcalc</source>
        <translation>Author: the coilcalc developers</translation>
    </message>
    <message>
        <source>Написать письмо</source>
        <translation>Send a mail</translation>
    </message>
    <message>
        <source>Посмотреть обновление</source>
        <translation>See the update</translation>
    </message>
    <message>
        <source>Зайти на сайт</source>
        <translation>Visit the site</translation>
    </message>
    <message>
        <source>По поводу конструктивного расчета катушек</source>
        <translation>About the coil design calculation</translation>
    </message>
</context>
<context>
    <name>TFormIndMnogosl</name>
    <message>
        <source>индуктивности многослойной катушки</source>
        <translation>multi-layer coil inductance</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Внутренний диаметр, Dвн [см]</source>
        <translation>Inner diameter, Din [cm]</translation>
    </message>
    <message>
        <source>Длина намотки l, [см]</source>
        <translation>Winding length l, [cm]</translation>
    </message>
    <message>
        <source>Толщина намотки, Dr [см]</source>
        <translation>Winding depth, Dr [cm]</translation>
    </message>
    <message>
        <source>Число витков</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>[мкГн]</source>
        <translation>[µH]</translation>
    </message>
    <message>
        <source>Индуктивность, [мкГн]</source>
        <translation>Inductance, [µH]</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>TFormIndOdnosl</name>
    <message>
        <source>индуктивности однослойной катушки</source>
        <translation>single-layer coil inductance</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Число витков, N</source>
        <translation>Turns, N</translation>
    </message>
    <message>
        <source>Диаметр, D [мм]</source>
        <translation>Diam., D [mm]</translation>
    </message>
    <message>
        <source>Длина, l [мм]</source>
        <translation>Len., l [mm]</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Индуктивность, [мкГн]</source>
        <translation>Inductance, [µH]</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>TFormVitkmnogosl</name>
    <message>
        <source>витков многослойной катушки</source>
        <translation>multi-layer coil turns</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Внутренний диаметр, Dвн, [см]</source>
        <translation>Inner diameter, Din, [cm]</translation>
    </message>
    <message>
        <source>Длина намотки l, [см]</source>
        <translation>Winding length l, [cm]</translation>
    </message>
    <message>
        <source>Диаметр провода, [мм]</source>
        <translation>Wire diameter, [mm]</translation>
    </message>
    <message>
        <source>Требуемая индуктивность, [мкГн]</source>
        <translation>Required inductance, [µH]</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Число витков, N</source>
        <translation>Turns, N</translation>
    </message>
    <message>
        <source>Толщина намотки, Dr [см]</source>
        <translation>Winding depth, Dr [cm]</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>TFormopt</name>
    <message>
        <source>Оптимальных размеров многослойной катушки</source>
        <translation>Optimal multi-layer coil dimensions</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Требуемая индуктивность, [мкГн]</source>
        <translation>Required inductance, [µH]</translation>
    </message>
    <message>
        <source>Допустимое ослабление, [дБ]</source>
        <translation>Allowed attenuation, [dB]</translation>
    </message>
    <message>
        <source>Сопротивление нагрузки, [Ом]</source>
        <translation>Load resistance, [Ω]</translation>
    </message>
    <message>
        <source>Оптимизировать под заданный диаметр провода</source>
        <translation>Optimize for a given wire diameter</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Dr, [см]</source>
        <translation>Dr [cm]</translation>
    </message>
    <message>
        <source>Dвн, [см]</source>
        <translation>Din [cm]</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>l, [см]</source>
        <translation>l [cm]</translation>
    </message>
    <message>
        <source>N, [витк]</source>
        <translation>N [turns]</translation>
    </message>
    <message>
        <source>d, [мм]</source>
        <translation>d [mm]</translation>
    </message>
    <message>
        <source>Диаметр провода</source>
        <translation>Wire diameter</translation>
    </message>
    <message>
        <source>Диаметр провода d, [мм]</source>
        <translation>Wire diameter d, [mm]</translation>
    </message>
    <message>
        <source>Вносимое ослабление, [дБ]</source>
        <translation>Insertion loss, [dB]</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Расчет</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Расхождение больше 1 %</source>
        <translation>Difference over 1 %</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Витки многослойной катушки</source>
        <translation>&amp;Turns of a multi-layer coil</translation>
    </message>
    <message>
        <source>Индуктивность многослойной катушки</source>
        <translation>&amp;Inductance of a multi-layer coil</translation>
    </message>
    <message>
        <source>Оптимальные размеры многослойной катушки</source>
        <translation>&amp;Optimal multi-layer coil dimensions</translation>
    </message>
    <message>
        <source>Индуктивность однослойной катушки</source>
        <translation>Inductance of a &amp;single-layer coil</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Расчет</source>
        <comment>menu of the calculators</comment>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>Расчет</source>
        <comment>menu item: the help page</comment>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>Рабочая &amp;частота, кГц</source>
        <translation>Fre&amp;quency, kHz</translation>
    </message>
    <message>
        <source>Частота, на которой работает катушка; пусто — расчёт на постоянном токе</source>
        <translation>The frequency the coil works at; empty: direct current</translation>
    </message>
    <message>
        <source>Про&amp;вод d, мм</source>
        <translation>&amp;Wire d, mm</translation>
    </message>
    <message>
        <source>Диаметр провода по меди; пусто — наибольший провод, который помещается</source>
        <translation>The bare copper diameter of the wire; empty: the largest wire that fits</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>г</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>дБ</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>пФ</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>кГц</source>
        <translation>kHz</translation>
    </message>
</context>
</TS>
