<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>app</name>
    <message>
        <source>Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности рассеяния трансформатора</source>
        <translation>Single-phase bridge rectifier with a capacitor filter, taking the transformer leakage inductance into account</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Сохранить данные...</source>
        <translation>Save &amp;report...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>&amp;Plots</translation>
    </message>
    <message>
        <source>Нагрузочная характеристика...</source>
        <translation>&amp;Load characteristic...</translation>
    </message>
    <message>
        <source>Форма тока вентиля...</source>
        <translation>&amp;Diode current waveform...</translation>
    </message>
    <message>
        <source>U(I), 0 … 120 % номинального тока</source>
        <translation>U(I), 0 … 120 % of the rated current</translation>
    </message>
    <message>
        <source>Номинальный режим</source>
        <translation>Rated load</translation>
    </message>
    <message>
        <source>Положение ползунка</source>
        <translation>Slider position</translation>
    </message>
    <message>
        <source>Форма тока вентиля</source>
        <translation>Diode current waveform</translation>
    </message>
    <message>
        <source>Фаза напряжения сети, °</source>
        <translation>Mains voltage phase, °</translation>
    </message>
    <message>
        <source>Ток вентиля, А</source>
        <translation>Diode current, A</translation>
    </message>
    <message>
        <source>Ток вентиля за период сети</source>
        <translation>Diode current over one mains period</translation>
    </message>
    <message>
        <source>Начало проводимости:</source>
        <translation>Conduction start:</translation>
    </message>
    <message>
        <source>Конец проводимости:</source>
        <translation>Conduction end:</translation>
    </message>
    <message>
        <source>Максимум:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Действующее значение:</source>
        <translation>Rms value:</translation>
    </message>
    <message>
        <source>Амплитудное значение:</source>
        <translation>Peak value:</translation>
    </message>
    <message>
        <source>Строки таблицы (шаг 5 %)</source>
        <translation>Table rows (5 % steps)</translation>
    </message>
    <message>
        <source> А</source>
        <translation> A</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
    <message>
        <source>U₀ = %1 В,  I₀ = %2 А,  Kп = %3 %,  стержней с обмотками: %4,  Bm = %5 Тл,  Uпр = %6 В</source>
        <translation>U₀ = %1 V,  I₀ = %2 A,  Kr = %3 %,  limbs with windings: %4,  Bm = %5 T,  Uf = %6 V</translation>
    </message>
    <message>
        <source>Трансформатор: U₂ = %1,  Rтр = %2,  Ls = %3;  Cф = %4,  I₀ = %5,  Uпр = %6</source>
        <translation>Transformer: U₂ = %1,  Rtr = %2,  Ls = %3;  Cf = %4,  I₀ = %5,  Uf = %6</translation>
    </message>
    <message>
        <source>,  сеть %1 В ±%2 %, %3 Гц</source>
        <translation>,  mains %1 V ±%2 %, %3 Hz</translation>
    </message>
    <message>
        <source>Исходный масштаб</source>
        <translation>Reset view</translation>
    </message>
    <message>
        <source>Сохранить PNG...</source>
        <translation>Save PNG...</translation>
    </message>
    <message>
        <source>Сохранить SVG...</source>
        <translation>Save SVG...</translation>
    </message>
    <message>
        <source>Сохранить PDF...</source>
        <translation>Save PDF...</translation>
    </message>
    <message>
        <source>Размер изображения</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source>Ширина, точек:</source>
        <translation>Width, pixels:</translation>
    </message>
    <message>
        <source>Высота, точек:</source>
        <translation>Height, pixels:</translation>
    </message>
    <message>
        <source>Масштаб:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>×1 — как на экране</source>
        <translation>×1 — as on screen</translation>
    </message>
    <message>
        <source>×2 — для печати</source>
        <translation>×2 — for print</translation>
    </message>
    <message>
        <source>Файл: %1 × %2 пикселей</source>
        <translation>File: %1 × %2 pixels</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save plot</translation>
    </message>
    <message>
        <source>Не удалось сохранить график в файл</source>
        <translation>Could not save the plot to the file</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Сеть...</source>
        <translation>&amp;Mains...</translation>
    </message>
    <message>
        <source>Элементы</source>
        <translation>P&amp;arts</translation>
    </message>
    <message>
        <source>Выбор элементов...</source>
        <translation>&amp;Part selection...</translation>
    </message>
    <message>
        <source>Трансформатор</source>
        <translation>&amp;Transformer</translation>
    </message>
    <message>
        <source>Подобрать стандартный...</source>
        <translation>&amp;Choose a standard one...</translation>
    </message>
    <message>
        <source>Намотать...</source>
        <translation>&amp;Wind one&apos;s own...</translation>
    </message>
    <message>
        <source>Рассчитать выпрямитель</source>
        <translation>Design a rectifier</translation>
    </message>
    <message>
        <source>Проверить имеющийся трансформатор</source>
        <translation>Check a transformer one has</translation>
    </message>
    <message>
        <source>Имеющийся трансформатор и нагрузка</source>
        <translation>The transformer one has and the load</translation>
    </message>
    <message>
        <source>Результаты проверки</source>
        <translation>Results of the check</translation>
    </message>
    <message>
        <source>Напряжение вторичной обмотки (паспортное), В</source>
        <translation>Secondary voltage (nameplate), V</translation>
    </message>
    <message>
        <source>измерено на холостом ходу</source>
        <translation>measured with no load</translation>
    </message>
    <message>
        <source>Номинальный ток вторичной обмотки, А</source>
        <translation>Rated secondary current, A</translation>
    </message>
    <message>
        <source>или мощность, В·А</source>
        <translation>or rating, V·A</translation>
    </message>
    <message>
        <source>Сопротивление первичной обмотки, Ом</source>
        <translation>Primary resistance, Ω</translation>
    </message>
    <message>
        <source>Сопротивление вторичной обмотки, Ом</source>
        <translation>Secondary resistance, Ω</translation>
    </message>
    <message>
        <source>или изменение напряжения, %</source>
        <translation>or regulation, %</translation>
    </message>
    <message>
        <source>Тип трансформатора</source>
        <translation>Kind of transformer</translation>
    </message>
    <message>
        <source>броневой (Ш-образный)</source>
        <translation>laminated (E-I)</translation>
    </message>
    <message>
        <source>тороидальный</source>
        <translation>toroidal</translation>
    </message>
    <message>
        <source>Индуктивность рассеяния, Гн</source>
        <translation>Leakage inductance, H</translation>
    </message>
    <message>
        <source>или опыт КЗ: напряжение первичной обмотки, В</source>
        <translation>or short-circuit test: primary voltage, V</translation>
    </message>
    <message>
        <source>опыт КЗ: ток первичной обмотки, А</source>
        <translation>short-circuit test: primary current, A</translation>
    </message>
    <message>
        <source>Ёмкость фильтра, мкФ</source>
        <translation>Filter capacitance, µF</translation>
    </message>
    <message>
        <source>Ток нагрузки, А</source>
        <translation>Load current, A</translation>
    </message>
    <message>
        <source>Падение напряжения на вентиле, В</source>
        <translation>Diode forward drop, V</translation>
    </message>
    <message>
        <source>Индукция для оценки, Тл</source>
        <translation>Flux density for the estimate, T</translation>
    </message>
    <message>
        <source>Стержней с обмотками для оценки</source>
        <translation>Limbs with windings for the estimate</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Недопустимое значение: «%1»</source>
        <translation>Value not accepted: “%1”</translation>
    </message>
    <message>
        <source>ЭДС вторичной обмотки (холостой ход)</source>
        <translation>Secondary EMF (no load)</translation>
    </message>
    <message>
        <source>Напряжение при номинальном токе</source>
        <translation>Voltage at the rated current</translation>
    </message>
    <message>
        <source>Сопротивление обмоток, приведённое ко вторичной</source>
        <translation>Winding resistance referred to the secondary</translation>
    </message>
    <message>
        <source>Индуктивность рассеяния</source>
        <translation>Leakage inductance</translation>
    </message>
    <message>
        <source>Выпрямленное напряжение U0</source>
        <translation>Rectified voltage U0</translation>
    </message>
    <message>
        <source>Пульсации Kп</source>
        <translation>Ripple Kp</translation>
    </message>
    <message>
        <source>Ток вторичной обмотки I2</source>
        <translation>Secondary current I2</translation>
    </message>
    <message>
        <source>Используемая мощность трансформатора</source>
        <translation>Transformer V·A used</translation>
    </message>
    <message>
        <source>Ток первичной обмотки I1</source>
        <translation>Primary current I1</translation>
    </message>
    <message>
        <source>Действующий ток вентиля</source>
        <translation>Diode rms current</translation>
    </message>
    <message>
        <source>Амплитуда тока вентиля</source>
        <translation>Diode peak current</translation>
    </message>
    <message>
        <source>Обратное напряжение вентиля</source>
        <translation>Diode reverse voltage</translation>
    </message>
    <message>
        <source>U0 и Kп при пониженной сети %1 В</source>
        <translation>U0 and Kp at low mains %1 V</translation>
    </message>
    <message>
        <source>Напряжение холостого хода при повышенной сети %1 В</source>
        <translation>No-load voltage at high mains %1 V</translation>
    </message>
    <message>
        <source>%1 от номинала</source>
        <translation>%1 of the rating</translation>
    </message>
    <message>
        <source>измерено омметром</source>
        <translation>measured by ohmmeter</translation>
    </message>
    <message>
        <source>по изменению напряжения</source>
        <translation>from the regulation</translation>
    </message>
    <message>
        <source>оценка: типичное изменение напряжения</source>
        <translation>estimate: typical regulation</translation>
    </message>
    <message>
        <source>задано</source>
        <translation>given</translation>
    </message>
    <message>
        <source>по опыту КЗ</source>
        <translation>from the short-circuit test</translation>
    </message>
    <message>
        <source>оценка по размеру трансформатора</source>
        <translation>estimate from the transformer&apos;s size</translation>
    </message>
    <message>
        <source>I0, А</source>
        <translation>I0, A</translation>
    </message>
    <message>
        <source>U0, В</source>
        <translation>U0, V</translation>
    </message>
    <message>
        <source>Сеть</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Номинальное напряжение сети, В</source>
        <translation>Nominal mains voltage, V</translation>
    </message>
    <message>
        <source>Частота сети, Гц</source>
        <translation>Mains frequency, Hz</translation>
    </message>
    <message>
        <source>Допустимое отклонение напряжения сети, ± %</source>
        <translation>Mains voltage tolerance, ± %</translation>
    </message>
    <message>
        <source>Выполненный расчёт сразу повторяется с новыми значениями; по ним же считаются и все следующие расчёты.</source>
        <translation>A calculation already made is repeated at once with the new values; every later calculation uses them too.</translation>
    </message>
    <message>
        <source>Типовая сеть</source>
        <translation>Common mains</translation>
    </message>
    <message>
        <source>другая</source>
        <translation>other</translation>
    </message>
    <message>
        <source>%1 В / %2 Гц</source>
        <translation>%1 V / %2 Hz</translation>
    </message>
    <message>
        <source>Допуск ёмкости конденсатора, − %</source>
        <translation>Capacitance tolerance, − %</translation>
    </message>
    <message>
        <source>Ряд ёмкостей</source>
        <translation>Capacitance series</translation>
    </message>
    <message>
        <source>Запас по обратному напряжению вентилей, раз</source>
        <translation>Diode reverse voltage margin, times</translation>
    </message>
    <message>
        <source>Вентиль</source>
        <translation>Diode</translation>
    </message>
    <message>
        <source>не выбран</source>
        <translation>none chosen</translation>
    </message>
    <message>
        <source>Температура воздуха у вентилей, °C</source>
        <translation>Air temperature at the diodes, °C</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Сначала необходимо произвести расчёт</source>
        <translation>Run the calculation first</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Текстовые документы (*.txt)|*.txt</source>
        <translation>Text documents (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Не удалось записать отчёт в файл</source>
        <translation>Could not write the report to the file</translation>
    </message>
    <message>
        <source>Открыть проект...</source>
        <translation>&amp;Open design...</translation>
    </message>
    <message>
        <source>Сохранить проект</source>
        <translation>&amp;Save design</translation>
    </message>
    <message>
        <source>Сохранить проект как...</source>
        <translation>Save design &amp;as...</translation>
    </message>
    <message>
        <source>Недавние проекты</source>
        <translation>Recen&amp;t designs</translation>
    </message>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Экспорт в PDF...</source>
        <translation>Export to &amp;PDF...</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Копировать результаты</source>
        <translation>&amp;Copy results</translation>
    </message>
    <message>
        <source>Справка по программе</source>
        <translation>&amp;Program help</translation>
    </message>
    <message>
        <source>Проекты Tavro (*.tavro)|*.tavro</source>
        <translation>Tavro designs (*.tavro)|*.tavro</translation>
    </message>
    <message>
        <source>Открыть проект</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)|*.pdf</source>
        <translation>PDF documents (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Входные данные изменены: результаты относятся к прежнему расчёту. Нажмите «Расчёт».</source>
        <translation>The inputs have changed: the results belong to the previous calculation. Press “Calculate”.</translation>
    </message>
    <message>
        <source>Проект: %1</source>
        <translation>Design: %1</translation>
    </message>
    <message>
        <source>Введённые данные не сохранены в проекте. Сохранить их?</source>
        <translation>The inputs are not saved in a design file. Save them?</translation>
    </message>
    <message>
        <source>Изменения в проекте «%1» не сохранены. Сохранить их?</source>
        <translation>The changes to the design “%1” are not saved. Save them?</translation>
    </message>
    <message>
        <source>Справка не входит в эту сборку.</source>
        <translation>The help is not part of this build.</translation>
    </message>
    <message>
        <source>Номинальное выпрямленное напряжение U0 на нагрузке, В.
Больше нуля; обычно от 5 до 500 В.</source>
        <translation>Rated rectified voltage U0 across the load, V.
Above zero; usually 5 to 500 V.</translation>
    </message>
    <message>
        <source>Номинальный выпрямленный ток нагрузки I0, А.
Не менее 0,02 А; обычно от 0,1 до 20 А.</source>
        <translation>Rated rectified load current I0, A.
At least 0.02 A; usually 0.1 to 20 A.</translation>
    </message>
    <message>
        <source>Коэффициент пульсации Kp: амплитуда составляющей 100 Гц выпрямленного напряжения в процентах от U0, %.
Больше 0 и не более 15 %; обычно от 0,5 до 5 %.</source>
        <translation>Ripple factor Kr: the amplitude of the 100 Hz component of the rectified voltage as a percentage of U0, %.
Above 0 and at most 15 %; usually 0.5 to 5 %.</translation>
    </message>
    <message>
        <source>Максимальная (амплитудная) магнитная индукция в сердечнике трансформатора Bm, Тл.
Обычно от 1,0 до 1,6 Тл для электротехнической стали.</source>
        <translation>Peak flux density in the transformer core Bm, T.
Usually 1.0 to 1.6 T for electrical steel.</translation>
    </message>
    <message>
        <source>Прямое падение напряжения на одном диоде при постоянном токе Ud, В.
Обычно от 0,6 до 1,1 В для кремниевых диодов, от 0,3 до 0,5 В для диодов Шоттки.</source>
        <translation>Forward voltage drop of one diode at direct current Uf, V.
Usually 0.6 to 1.1 V for silicon diodes, 0.3 to 0.5 V for Schottky diodes.</translation>
    </message>
    <message>
        <source>Действующее напряжение вторичной обмотки U2 = B·U0, В.
Обычно от 0,85 до 1,5 U0.</source>
        <translation>Rms voltage of the secondary winding U2 = B·U0, V.
Usually 0.85 to 1.5 U0.</translation>
    </message>
    <message>
        <source>Действующий ток вторичной обмотки I2 = D·I0/√2, А.
Обычно от 1,3 до 1,7 I0.</source>
        <translation>Rms current of the secondary winding I2 = D·I0/√2, A.
Usually 1.3 to 1.7 I0.</translation>
    </message>
    <message>
        <source>Действующий ток первичной обмотки при сети 220 В, А: I2, умноженный на U2/220.</source>
        <translation>Rms current of the primary winding on 220 V mains, A: I2 multiplied by U2/220.</translation>
    </message>
    <message>
        <source>Габаритная мощность трансформатора B·D·U0·I0/√2, В·А: по ней выбирают сердечник.
Обычно от 1,2 до 2 мощности нагрузки U0·I0.</source>
        <translation>Transformer frame power B·D·U0·I0/√2, V·A: the core is chosen by it.
Usually 1.2 to 2 times the load power U0·I0.</translation>
    </message>
    <message>
        <source>Амплитуда обратного напряжения на закрытом диоде √2·U2, В.
Диод выбирают с запасом по этому напряжению.</source>
        <translation>Peak reverse voltage across a blocking diode √2·U2, V.
Choose a diode rated for this voltage with a margin.</translation>
    </message>
    <message>
        <source>Действующее значение тока через один диод D·I0/2, А.
Обычно от 0,9 до 1,2 I0.</source>
        <translation>Rms current through one diode D·I0/2, A.
Usually 0.9 to 1.2 I0.</translation>
    </message>
    <message>
        <source>Амплитуда тока через один диод F·I0/2, А.
Обычно от 2,2 до 3,5 I0.</source>
        <translation>Peak current through one diode F·I0/2, A.
Usually 2.2 to 3.5 I0.</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора фильтра, мкФ, при которой пульсация не превышает Kp.
От десятков до десятков тысяч мкФ; растёт с током и с уменьшением Kp.</source>
        <translation>Filter capacitance, µF, that keeps the ripple within Kr.
From tens to tens of thousands of µF; grows with the current and as Kr falls.</translation>
    </message>
    <message>
        <source>Рабочее напряжение конденсатора фильтра, В: амплитуда напряжения вторичной обмотки при номинальной сети.
Конденсатор выбирайте по окну «Выбор элементов»: там напряжение без нагрузки при повышенной сети или после включения, если оно больше, с запасом.</source>
        <translation>Capacitor working voltage, V: the peak voltage of the secondary winding at nominal mains.
Rate the capacitor by the “Part selection” window: it takes the no-load voltage at high mains, or the voltage after switch-on where that is higher, with a margin.</translation>
    </message>
    <message>
        <source>Угол φ = arctg(ω·Ls/Rsum) цепи проводимости (индуктивность рассеяния и сопротивления обмоток и диодов), градусы.
Обычно от 1 до 75°: мал у мощных низковольтных выпрямителей, велик у маломощных высоковольтных.</source>
        <translation>Angle φ = arctan(ω·Ls/Rsum) of the conduction path (leakage inductance and the winding and diode resistances), degrees.
Usually 1 to 75°: small in high-power low-voltage rectifiers, large in low-power high-voltage ones.</translation>
    </message>
    <message>
        <source>Угол φ в радианах.
Обычно от 0,02 до 1,3 рад.</source>
        <translation>Angle φ in radians.
Usually 0.02 to 1.3 rad.</translation>
    </message>
    <message>
        <source>Угол ψ: на столько раньше амплитуды напряжения сети открываются диоды (начало проводимости при 90° − ψ), градусы; U0 = √2·U2·cos ψ.
Обычно от 35 до 62°.</source>
        <translation>Angle ψ: how far ahead of the mains voltage peak the diodes start to conduct (conduction starts at 90° − ψ), degrees; U0 = √2·U2·cos ψ.
Usually 35 to 62°.</translation>
    </message>
    <message>
        <source>Угол ψ в радианах.
Обычно от 0,6 до 1,1 рад.</source>
        <translation>Angle ψ in radians.
Usually 0.6 to 1.1 rad.</translation>
    </message>
    <message>
        <source>Угол β: фаза напряжения сети, при которой ток диода спадает до нуля, градусы.
Обычно от 135 до 170°.</source>
        <translation>Angle β: the mains voltage phase at which the diode current falls to zero, degrees.
Usually 135 to 170°.</translation>
    </message>
    <message>
        <source>Угол β в радианах.
Обычно от 2,35 до 2,95 рад.</source>
        <translation>Angle β in radians.
Usually 2.35 to 2.95 rad.</translation>
    </message>
    <message>
        <source>Коэффициент нагрузки A = Rsum·I0/(2·U0): половина отношения падения напряжения на сопротивлении цепи проводимости при номинальном токе к выпрямленному напряжению (безразмерный).
Не более 20; обычно от 0,01 до 0,3.</source>
        <translation>Load coefficient A = Rsum·I0/(2·U0): half the ratio of the voltage drop across the conduction path resistance at the rated current to the rectified voltage (dimensionless).
At most 20; usually 0.01 to 0.3.</translation>
    </message>
    <message>
        <source>Коэффициент B = 1/(√2·cos ψ) = U2/U0 (безразмерный).
Обычно от 0,85 до 1,5.</source>
        <translation>Coefficient B = 1/(√2·cos ψ) = U2/U0 (dimensionless).
Usually 0.85 to 1.5.</translation>
    </message>
    <message>
        <source>Коэффициент D: действующий ток двух диодов плеча, отнесённый к I0 (безразмерный); I2 = D·I0/√2.
Обычно от 1,9 до 2,35.</source>
        <translation>Coefficient D: the rms current of the two diodes of a leg relative to I0 (dimensionless); I2 = D·I0/√2.
Usually 1.9 to 2.35.</translation>
    </message>
    <message>
        <source>Коэффициент F: удвоенная амплитуда тока диода, отнесённая к I0 (безразмерный).
Обычно от 4,4 до 7.</source>
        <translation>Coefficient F: twice the diode peak current relative to I0 (dimensionless).
Usually 4.4 to 7.</translation>
    </message>
    <message>
        <source>Коэффициент H для расчёта ёмкости фильтра по составляющей тока 100 Гц (безразмерный).
Обычно от 2·10³ до 5·10⁴.</source>
        <translation>Coefficient H for the filter capacitance from the 100 Hz current component (dimensionless).
Usually 2·10³ to 5·10⁴.</translation>
    </message>
    <message>
        <source>Коэффициент нагрузки γ = Rsum·I/(2·U2) в выбранной точке нагрузочной характеристики (безразмерный).
От 0 при холостом ходе; растёт с током.</source>
        <translation>Load coefficient γ = Rsum·I/(2·U2) at the chosen point of the load characteristic (dimensionless).
From 0 at no load; grows with the current.</translation>
    </message>
    <message>
        <source>Отношение выпрямленного напряжения к действующему напряжению вторичной обмотки √2·cos ψ в выбранной точке (безразмерный).
От √2 ≈ 1,414 при холостом ходе; убывает с током.</source>
        <translation>Ratio of the rectified voltage to the rms secondary voltage, √2·cos ψ, at the chosen point (dimensionless).
From √2 ≈ 1.414 at no load; falls with the current.</translation>
    </message>
    <message>
        <source>Выпрямленный ток в выбранной ползунком точке нагрузочной характеристики, А: от 0 до 120 % номинального.</source>
        <translation>Rectified current at the point of the load characteristic chosen with the slider, A: 0 to 120 % of the rated current.</translation>
    </message>
    <message>
        <source>Выпрямленное напряжение при этом токе, В.</source>
        <translation>Rectified voltage at this current, V.</translation>
    </message>
    <message>
        <source>Число стержней магнитопровода, на которых расположены обмотки: 1 — обмотки на одном стержне (броневой сердечник), 2 — на двух стержнях (стержневой сердечник).</source>
        <translation>Number of core limbs carrying the windings: 1 — the windings on one limb (shell-type core), 2 — on two limbs (core-type core).</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>Проверка моделированием...</source>
        <translation>&amp;Simulation check...</translation>
    </message>
    <message>
        <source>Проверка моделированием</source>
        <translation>Simulation check</translation>
    </message>
    <message>
        <source>Экспорт схемы SPICE...</source>
        <translation>Export SPICE &amp;netlist...</translation>
    </message>
    <message>
        <source>Экспорт схемы SPICE</source>
        <translation>Export SPICE netlist</translation>
    </message>
    <message>
        <source>Схемы SPICE (*.cir)</source>
        <translation>SPICE netlists (*.cir)</translation>
    </message>
    <message>
        <source>Не удалось записать схему в файл</source>
        <translation>Could not write the netlist to the file</translation>
    </message>
    <message>
        <source>Схема</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Вентили:</source>
        <translation>Diodes:</translation>
    </message>
    <message>
        <source>Своя модель (.model)</source>
        <translation>Own model (.model)</translation>
    </message>
    <message>
        <source>Строка .model:</source>
        <translation>.model line:</translation>
    </message>
    <message>
        <source>ESR конденсатора, Ом:</source>
        <translation>Capacitor ESR, Ω:</translation>
    </message>
    <message>
        <source>Нагрузка:</source>
        <translation>Load:</translation>
    </message>
    <message>
        <source>Запустить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Допущения метода...</source>
        <translation>The method&apos;s assumptions...</translation>
    </message>
    <message>
        <source>Реальная схема...</source>
        <translation>Real circuit...</translation>
    </message>
    <message>
        <source>Включение...</source>
        <translation>Switch-on...</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Моделирование отменено</source>
        <translation>Simulation cancelled</translation>
    </message>
    <message>
        <source>Моделирование не удалось: </source>
        <translation>Simulation failed: </translation>
    </message>
    <message>
        <source>программа моделирования завершилась аварийно</source>
        <translation>the simulation program crashed</translation>
    </message>
    <message>
        <source>программа моделирования завершилась без ответа (код %1)</source>
        <translation>the simulation program ended without an answer (code %1)</translation>
    </message>
    <message>
        <source>программа моделирования не ответила за %1 с и остановлена</source>
        <translation>the simulation program did not answer within %1 s and was stopped</translation>
    </message>
    <message>
        <source>не удалось запустить программу моделирования </source>
        <translation>could not start the simulation program </translation>
    </message>
    <message>
        <source>ESR конденсатора должно быть неотрицательным числом</source>
        <translation>The capacitor ESR must be a non-negative number</translation>
    </message>
    <message>
        <source>Выходное напряжение</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Ток вентиля VD1</source>
        <translation>Diode VD1 current</translation>
    </message>
    <message>
        <source>Ток конденсатора</source>
        <translation>Capacitor current</translation>
    </message>
    <message>
        <source>Включение</source>
        <translation>Switch-on</translation>
    </message>
    <message>
        <source>Время, мс</source>
        <translation>Time, ms</translation>
    </message>
    <message>
        <source>Напряжение, В</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>Ток, А</source>
        <translation>Current, A</translation>
    </message>
    <message>
        <source>Номинальное напряжение сети, %1 В</source>
        <translation>Nominal mains, %1 V</translation>
    </message>
    <message>
        <source>Повышенное напряжение сети, %1 В</source>
        <translation>High mains, %1 V</translation>
    </message>
    <message>
        <source>Установившийся режим: %1 периодов</source>
        <translation>Steady state: %1 periods</translation>
    </message>
    <message>
        <source>Версия: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Автор программы: mq270</source>
        <translation>Author: mq270</translation>
    </message>
    <message>
        <source>Запас по напряжению конденсатора, раз</source>
        <translation>Capacitor voltage margin, times</translation>
    </message>
    <message>
        <source>ESR конденсатора, Ом (0 — оценка)</source>
        <translation>Capacitor ESR, Ω (0: estimate)</translation>
    </message>
    <message>
        <source>Срок службы конденсатора, ч</source>
        <translation>Capacitor rated life, h</translation>
    </message>
    <message>
        <source>при, °C</source>
        <translation>at, °C</translation>
    </message>
    <message>
        <source>Температура вокруг, °C</source>
        <translation>Ambient, °C</translation>
    </message>
    <message>
        <source>Потери в стали / в обмотках</source>
        <translation>Core / winding loss</translation>
    </message>
    <message>
        <source>Предохранитель / ток первичной обмотки</source>
        <translation>Fuse / primary current</translation>
    </message>
    <message>
        <source>Допустимый ударный ток, А (0 — не задан)</source>
        <translation>Allowed surge, A (0: none)</translation>
    </message>
    <message>
        <source>Номинальное напряжение конденсатора выбирается не ниже большего из двух напряжений (холостой ход при повышенной сети и пик после включения), умноженного на этот запас; в таблице — запас выбранного класса в процентах. Обычно 1,2.</source>
        <translation>The capacitor&apos;s rated voltage is picked not below the larger of two voltages (no load at high mains and the peak after switch-on) times this margin; the table shows the chosen class&apos;s headroom in per cent. Usually 1.2.</translation>
    </message>
    <message>
        <source>Эквивалентное последовательное сопротивление конденсатора на 100–120 Гц из его документации. 0 — оценка по типичному tg δ для ёмкости и класса напряжения.</source>
        <translation>The capacitor&apos;s equivalent series resistance at 100–120 Hz from its data sheet. 0: estimated from a typical tan δ for the capacitance and voltage class.</translation>
    </message>
    <message>
        <source>Срок службы конденсатора по документации и температура, при которой он указан (обычно 2000 ч при 105 °C); срок при рабочей температуре — по правилу 10 °C.</source>
        <translation>The capacitor&apos;s rated life from its data sheet and the temperature it is given at (usually 2000 h at 105 °C); the life at the working temperature follows the 10 °C rule.</translation>
    </message>
    <message>
        <source>Температура воздуха вокруг деталей внутри корпуса; к ней добавляется самонагрев.</source>
        <translation>The air temperature around the parts inside the enclosure; self-heating adds to it.</translation>
    </message>
    <message>
        <source>Потери в стали трансформатора как доля потерь в обмотках при номинальной нагрузке (1 — равны, условие наибольшего КПД); входят в КПД источника.</source>
        <translation>The transformer&apos;s core loss as a share of its winding loss at rated load (1: equal, the condition for the best efficiency); it enters the supply&apos;s efficiency.</translation>
    </message>
    <message>
        <source>Номинал инерционного предохранителя в первичной цепи — ток первичной обмотки при номинальной нагрузке и повышенной сети, умноженный на этот множитель (обычно 1,5–2).</source>
        <translation>The primary time-delay fuse&apos;s rating is the primary current at rated load and high mains times this factor (usually 1.5–2).</translation>
    </message>
    <message>
        <source>Ударный ток, который выдерживают вентили (IFSM). Если ударный ток при включении больше, рассчитывается термистор NTC в первичной цепи. 0 — не задан.</source>
        <translation>The surge the diodes withstand (IFSM). If the switch-on surge is larger, an NTC thermistor in the primary is sized. 0: none.</translation>
    </message>
    <message>
        <source> мс</source>
        <translation> ms</translation>
    </message>
</context>
<context>
    <name>app columns</name>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Расхождение, %</source>
        <translation>Difference, %</translation>
    </message>
</context>
</TS>
