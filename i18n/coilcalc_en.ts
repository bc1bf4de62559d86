<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>HelpViewer</name>
    <message>
        <source>:/help/calculate.html</source>
        <translation>:/help/calculate_en.html</translation>
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
        <translation>Diameter, D [mm]</translation>
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
        <translation>Load resistance, [Ohm]</translation>
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
</context>
</TS>
