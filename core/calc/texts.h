// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Every user text that the core writes, in one place: the physical reference's status line and
// table ("Reference", its units "Units"), what is wrong with the conditions of the reference at a
// working frequency ("Conditions"), the searches' refusals ("Searches"), the calculators'
// notices ("Notices") and the optimal coil's labels that its mode switch sets (in the context of
// the window's form, "TFormopt", where the same label texts of its layout are translated). Each
// is written through FormatSettings::tr; %1, %2, ... are filled by FillArgs, with numbers in the
// format's separator.
#include "numtext/catalog.h"

namespace texts {

// ---- the physical reference ------------------------------------------------------------------
namespace reference {

inline constexpr CatalogText kNone =
    COIL_TR_NOOP("Reference", "Точный расчёт для таких размеров не выполняется");

// The models the reference computes with, as the headings and the status line name them.
inline constexpr CatalogText kCurrentSheet = COIL_TR_NOOP("Reference", "токовый слой");
inline constexpr CatalogText kWinding = COIL_TR_NOOP("Reference", "обмотка прямоугольного сечения");

// The status line: its first clause, then further clauses joined by kClauses.
// %1 the model, %2 the inductance.
inline constexpr CatalogText kLineByModel =
    COIL_TR_NOOP("Reference", "Точный расчёт (%1): %2 мкГн");
// %1 the first part of the line, %2 the clause that follows it.
inline constexpr CatalogText kClauses = COIL_TR_NOOP("Reference", "%1; %2");
// %1 the percentage.
inline constexpr CatalogText kClauseFormulaBelow =
    COIL_TR_NOOP("Reference", "формула занижает на %1 %");
inline constexpr CatalogText kClauseFormulaAbove =
    COIL_TR_NOOP("Reference", "формула завышает на %1 %");
inline constexpr CatalogText kClauseFormulaExact =
    COIL_TR_NOOP("Reference", "формула точна до %1 %");
inline constexpr CatalogText kClauseNoFormula =
    COIL_TR_NOOP("Reference", "формулы для такой короткой катушки нет");
// %1 the count of turns; %2 the thickness of the winding in cm.
inline constexpr CatalogText kClauseCountAndThickness =
    COIL_TR_NOOP("Reference", "нужно N = %1, Dr = %2 см");
inline constexpr CatalogText kClauseCount = COIL_TR_NOOP("Reference", "нужно N = %1");
// The line against the required inductance: %1 the inductance, %2 the percentage.
inline constexpr CatalogText kLineRequirement = COIL_TR_NOOP("Reference", "Точный расчёт: %1 мкГн");
inline constexpr CatalogText kLineRequirementMet =
    COIL_TR_NOOP("Reference", "Точный расчёт: %1 мкГн, как требуется");
inline constexpr CatalogText kLineRequirementBelow =
    COIL_TR_NOOP("Reference", "Точный расчёт: %1 мкГн, на %2 % меньше требуемой");
inline constexpr CatalogText kLineRequirementAbove =
    COIL_TR_NOOP("Reference", "Точный расчёт: %1 мкГн, на %2 % больше требуемой");

// The table. Headings; %1 the model, or the wire diameter in mm.
inline constexpr CatalogText kHeadingModel = COIL_TR_NOOP("Reference", "Точный расчёт (%1)");
inline constexpr CatalogText kHeadingLargestWire =
    COIL_TR_NOOP("Reference", "Наибольший провод, который помещается");
inline constexpr CatalogText kHeadingWire = COIL_TR_NOOP("Reference", "Провод d = %1 мм");
// The figures' rows; a deviation row is followed by its percentage.
inline constexpr CatalogText kInductance = COIL_TR_NOOP("Reference", "Индуктивность");
inline constexpr CatalogText kFormulaBelow = COIL_TR_NOOP("Reference", "Формула занижает на");
inline constexpr CatalogText kFormulaAbove = COIL_TR_NOOP("Reference", "Формула завышает на");
inline constexpr CatalogText kFormulaExact = COIL_TR_NOOP("Reference", "Формула точна до");
inline constexpr CatalogText kRequirementBelow = COIL_TR_NOOP("Reference", "Меньше требуемой на");
inline constexpr CatalogText kRequirementAbove = COIL_TR_NOOP("Reference", "Больше требуемой на");
inline constexpr CatalogText kRequirementExact =
    COIL_TR_NOOP("Reference", "Равна требуемой с точностью до");
inline constexpr CatalogText kNoFormula =
    COIL_TR_NOOP("Reference", "Формулы для такой короткой катушки нет");
inline constexpr CatalogText kPitchDiameter =
    COIL_TR_NOOP("Reference", "Диаметр (шаг намотки l/N)");
inline constexpr CatalogText kPackingDiameter =
    COIL_TR_NOOP("Reference", "Диаметр (квадратная укладка)");
inline constexpr CatalogText kWireLength = COIL_TR_NOOP("Reference", "Длина провода");
inline constexpr CatalogText kCopperMass = COIL_TR_NOOP("Reference", "Масса меди");
inline constexpr CatalogText kDcResistance =
    COIL_TR_NOOP("Reference", "Сопротивление постоянному току");
inline constexpr CatalogText kTurnsPerLayer = COIL_TR_NOOP("Reference", "Витков в слое");
inline constexpr CatalogText kLayers = COIL_TR_NOOP("Reference", "Слоёв");
inline constexpr CatalogText kMeanTurn = COIL_TR_NOOP("Reference", "Средняя длина витка");
inline constexpr CatalogText kOuterDiameter = COIL_TR_NOOP("Reference", "Наружный диаметр");
inline constexpr CatalogText kTurnsNeeded = COIL_TR_NOOP("Reference", "Нужно витков");
inline constexpr CatalogText kThicknessNeeded =
    COIL_TR_NOOP("Reference", "Толщина намотки для них");
// %1 the constant 8,66 of the window's formula.
inline constexpr CatalogText kFormulaResistance =
    COIL_TR_NOOP("Reference", "Сопротивление по формуле L/(%1 c²)");
inline constexpr CatalogText kWireAttenuation =
    COIL_TR_NOOP("Reference", "Ослабление с сопротивлением провода");
inline constexpr CatalogText kInsertionAttenuation =
    COIL_TR_NOOP("Reference", "Вносимое ослабление по формуле");
inline constexpr CatalogText kAllowedAttenuation =
    COIL_TR_NOOP("Reference", "Допустимое ослабление (задано)");
// The notes under the copper figures: %1 the conductivity in m/(Ом·мм²), %2 the density.
inline constexpr CatalogText kCopperNote =
    COIL_TR_NOOP("Reference", "Медь при 20 °C: 1/%1 Ом·мм²/м, %2 г/см³;");
inline constexpr CatalogText kBareWireNote =
    COIL_TR_NOOP("Reference", "d — диаметр провода по меди, без изоляции");

}  // namespace reference

// ---- units of the reference table --------------------------------------------------------------
namespace units {

inline constexpr CatalogText kMicrohenry = COIL_TR_NOOP("Units", "мкГн");
inline constexpr CatalogText kMetre = COIL_TR_NOOP("Units", "м");
inline constexpr CatalogText kCentimetre = COIL_TR_NOOP("Units", "см");
inline constexpr CatalogText kMillimetre = COIL_TR_NOOP("Units", "мм");
inline constexpr CatalogText kGram = COIL_TR_NOOP("Units", "г");
inline constexpr CatalogText kOhm = COIL_TR_NOOP("Units", "Ом");
inline constexpr CatalogText kDecibel = COIL_TR_NOOP("Units", "дБ");
inline constexpr CatalogText kPicofarad = COIL_TR_NOOP("Units", "пФ");
inline constexpr CatalogText kKilohertz = COIL_TR_NOOP("Units", "кГц");

}  // namespace units

// ---- the reference at a working frequency ----------------------------------------------------
namespace ac {

// %1 the frequency in kHz.
inline constexpr CatalogText kHeading = COIL_TR_NOOP("Reference", "На частоте %1 кГц");
inline constexpr CatalogText kSkinDepth = COIL_TR_NOOP("Reference", "Глубина скин-слоя δ");
inline constexpr CatalogText kSkinResistance =
    COIL_TR_NOOP("Reference", "Сопротивление прямого провода (скин-эффект)");
inline constexpr CatalogText kCoilResistance =
    COIL_TR_NOOP("Reference", "Сопротивление катушки (скин-эффект и близость витков)");
inline constexpr CatalogText kReactance =
    COIL_TR_NOOP("Reference", "Реактивное сопротивление 2πfL");
inline constexpr CatalogText kQuality = COIL_TR_NOOP("Reference", "Добротность Q");
inline constexpr CatalogText kSelfCapacitance = COIL_TR_NOOP("Reference", "Собственная ёмкость");
inline constexpr CatalogText kSelfResonance =
    COIL_TR_NOOP("Reference", "Частота собственного резонанса");
inline constexpr CatalogText kAcAttenuation =
    COIL_TR_NOOP("Reference", "Ослабление с сопротивлением на частоте");
// The status line's clauses: %1 Q; %1 f/fres.
inline constexpr CatalogText kClauseQuality = COIL_TR_NOOP("Reference", "Q = %1");
inline constexpr CatalogText kClauseNearResonance =
    COIL_TR_NOOP("Reference", "близко к собственному резонансу (f/fres = %1)");
inline constexpr CatalogText kClauseAboveResonance =
    COIL_TR_NOOP("Reference", "выше собственного резонанса (f/fres = %1)");
// The warnings in the table: %1 f/fres, %2 the limit of the lumped figures.
inline constexpr CatalogText kNearResonance = COIL_TR_NOOP(
    "Reference",
    "f/fres = %1, не меньше %2: индуктивность, 2πfL и Q как у катушки без собственной ёмкости "
    "здесь неточны");
inline constexpr CatalogText kAboveResonance = COIL_TR_NOOP(
    "Reference", "f/fres = %1: катушка выше собственного резонанса, добротности у неё нет");
// What each model is and how far it holds, as the physics states it.
inline constexpr CatalogText kSkinModel = COIL_TR_NOOP(
    "Reference",
    "Скин-эффект: точное решение для круглого провода (функции Бесселя), погрешность менее 1E-12");
inline constexpr CatalogText kSingleLayerLossModel = COIL_TR_NOOP(
    "Reference",
    "Близость витков: множитель Медхерста (1947) по его измерениям, разброс которых — несколько "
    "процентов");
inline constexpr CatalogText kSingleLayerCapacitanceModel = COIL_TR_NOOP(
    "Reference", "Собственная ёмкость: формула Найта (2016), до 4,4 % от измерений Медхерста");
inline constexpr CatalogText kSingleLayerResonanceModel = COIL_TR_NOOP(
    "Reference",
    "Собственный резонанс: волна на спирали с ёмкостью между концами (по Найту, 2016), до 14 % "
    "от измеренного на трёх катушках");
inline constexpr CatalogText kWindingLossModel = COIL_TR_NOOP(
    "Reference",
    "Близость витков: потери каждого витка в поле самой обмотки по её сечению; до 5 % от формулы "
    "Доуэлла при d/δ до 1,5, выше d/δ = 2 — оценка сверху");
inline constexpr CatalogText kWindingCapacitanceLeftOut = COIL_TR_NOOP(
    "Reference",
    "Собственная ёмкость и резонанс многослойной обмотки не даются: погрешность известных "
    "моделей не ограничена");
// The figures that the coil's dimensions leave outside a model's domain.
inline constexpr CatalogText kLossOutsideModel =
    COIL_TR_NOOP("Reference", "Сопротивление на частоте: размеры катушки вне пределов модели");
inline constexpr CatalogText kCapacitanceOutsideModel = COIL_TR_NOOP(
    "Reference", "Собственная ёмкость и резонанс: размеры катушки вне пределов модели");

}  // namespace ac

// ---- what is wrong with the conditions of the reference at a frequency ----------------------
namespace conditions {

// %1 the text as typed.
inline constexpr CatalogText kFrequencyNotANumber =
    COIL_TR_NOOP("Conditions", "Частота «%1» — не число");
inline constexpr CatalogText kFrequencyNotPositive =
    COIL_TR_NOOP("Conditions", "Частота должна быть больше нуля");
// %1 the lowest, %2 the highest frequency of the models, kHz.
inline constexpr CatalogText kFrequencyOutOfRange =
    COIL_TR_NOOP("Conditions", "Частота вне пределов моделей: задайте от %1 до %2 кГц");
inline constexpr CatalogText kWireNotANumber =
    COIL_TR_NOOP("Conditions", "Диаметр провода «%1» — не число");
inline constexpr CatalogText kWireNotPositive =
    COIL_TR_NOOP("Conditions", "Диаметр провода должен быть больше нуля");
// %1 the thinnest, %2 the thickest wire of the models, mm.
inline constexpr CatalogText kWireOutOfRange =
    COIL_TR_NOOP("Conditions", "Диаметр провода вне пределов моделей: задайте от %1 до %2 мм");
// %1 the wire given, %2 the pitch l/N or the largest wire that fits, mm.
inline constexpr CatalogText kWireThickerThanPitch = COIL_TR_NOOP(
    "Conditions", "Провод %1 мм толще шага намотки l/N = %2 мм: на частоте не рассчитывается");
inline constexpr CatalogText kWireDoesNotFit = COIL_TR_NOOP(
    "Conditions",
    "Провод %1 мм не помещается в сечение обмотки (N·d² > l·Dr, наибольший — %2 мм): на "
    "частоте не рассчитывается");
inline constexpr CatalogText kNoWire =
    COIL_TR_NOOP("Conditions", "Нет провода: на частоте не рассчитывается");

}  // namespace conditions

// ---- the searches' refusals ------------------------------------------------------------------
namespace searches {

// %1 the count the search reached, %2 its step.
inline constexpr CatalogText kTurnsStalled = COIL_TR_NOOP(
    "Searches",
    "Подбор числа витков остановился на %1: прибавка %2 витка уже не меняет такое большое число. "
    "Уменьшите требуемую индуктивность или увеличьте размеры катушки.");
// %1 the steps tested, %2 the count reached.
inline constexpr CatalogText kTurnsWalkBound = COIL_TR_NOOP(
    "Searches",
    "Подбор числа витков прерван после %1 шагов (%2 витков): индуктивность так и не вошла в "
    "пределы 1 % от требуемой. Проверьте размеры катушки: при отрицательных или ничтожно малых "
    "размерах подбор может не закончиться.");
// %1 the largest count the search goes to.
inline constexpr CatalogText kTurnsLimit = COIL_TR_NOOP(
    "Searches",
    "Для такой индуктивности нужно больше %1 витков, а так далеко подбор числа витков не "
    "ведётся. Уменьшите требуемую индуктивность или увеличьте размеры катушки.");
// %1 the first count, %2 its inductance.
inline constexpr CatalogText kTurnsFirstTooLarge = COIL_TR_NOOP(
    "Searches",
    "Требуемая индуктивность слишком мала для этих размеров катушки: уже %1 витка дают %2 мкГн, "
    "больше требуемой более чем на 1 %. Задайте большую индуктивность, меньший внутренний "
    "диаметр или большую длину намотки.");
// %1 and %3 two successive counts, %2 and %4 their inductances.
inline constexpr CatalogText kTurnsBandMissed = COIL_TR_NOOP(
    "Searches",
    "Ни одно число витков не даёт индуктивность в пределах 1 % от требуемой: при %1 витка "
    "получается %2 мкГн, а при %3 витка уже %4 мкГн. Задайте большую индуктивность, меньший "
    "внутренний диаметр или большую длину намотки.");
inline constexpr CatalogText kTurnsNegative = COIL_TR_NOOP(
    "Searches",
    "Требуемая индуктивность должна быть положительной: с отрицательным значением подбор числа "
    "витков не закончится.");
// %1 the attenuation asked for, %2 the highest level reached.
inline constexpr CatalogText kAttenuationTooLarge = COIL_TR_NOOP(
    "Searches",
    "Ослабление %1 дБ слишком велико: расчёт доходит только до уровня %2 дБ, дальше его шаг уже "
    "не меняет результат. Задайте ослабление меньше %2 дБ.");
// %1 the attenuation asked for, %2 the first level, %3 the tolerance.
inline constexpr CatalogText kAttenuationBelowStart = COIL_TR_NOOP(
    "Searches",
    "Ослабление %1 дБ не достигается: расчёт начинается с уровня %2 дБ, а дальше уровень только "
    "растёт. Задайте ослабление от %3 дБ и больше.");
// %1 the attenuation asked for, %2 and %3 the levels of two successive points, %4 the tolerance.
inline constexpr CatalogText kAttenuationBetweenPoints = COIL_TR_NOOP(
    "Searches",
    "Ослабление %1 дБ не достигается: соседние точки расчёта дают уровни %2 дБ и %3 дБ, оба "
    "дальше чем на %4 дБ от заданного. Задайте ослабление от %4 дБ и больше.");
// %1 the radicand, %2 the root reached, %3 the step.
inline constexpr CatalogText kFifthRootStalled = COIL_TR_NOOP(
    "Searches",
    "Корень пятой степени из %1 не находится: подбор доходит только до %2, дальше шаг %3 уже не "
    "меняет значение. Уменьшите индуктивность или диаметр провода.");

}  // namespace searches

// ---- the calculators' notices ------------------------------------------------------------------
namespace notices {

inline constexpr CatalogText kTooShort = COIL_TR_NOOP(
    "Notices",
    "Катушка слишком короткая для расчёта: длина намотки l должна быть больше D/20 (обе величины "
    "в мм), а диаметр D — больше нуля.");
inline constexpr CatalogText kZeroWire =
    COIL_TR_NOOP("Notices", "Диаметр провода не может быть равен нулю !");
inline constexpr CatalogText kZeroLength =
    COIL_TR_NOOP("Notices", "Длина намотки не может быть равной нулю !");
inline constexpr CatalogText kNoInductance =
    COIL_TR_NOOP("Notices", "А какую индуктивность посчитать?");

}  // namespace notices

// ---- the optimal coil's labels, as its mode switch sets them -----------------------------------
namespace optimLabels {

inline constexpr CatalogText kWireDiameter = COIL_TR_NOOP("TFormopt", "Диаметр провода d, [мм]");
inline constexpr CatalogText kAllowedAttenuation =
    COIL_TR_NOOP("TFormopt", "Допустимое ослабление, [дБ]");
inline constexpr CatalogText kInsertionAttenuation =
    COIL_TR_NOOP("TFormopt", "Вносимое ослабление, [дБ]");
inline constexpr CatalogText kTurns = COIL_TR_NOOP("TFormopt", "N, [витк]");
inline constexpr CatalogText kWire = COIL_TR_NOOP("TFormopt", "d, [мм]");

}  // namespace optimLabels

}  // namespace texts
