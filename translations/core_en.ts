<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>design</name>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Ф</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Гн</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>В·А</source>
        <translation>V·A</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>п</source>
        <translation>p</translation>
    </message>
    <message>
        <source>н</source>
        <translation>n</translation>
    </message>
    <message>
        <source>мк</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>к</source>
        <translation>k</translation>
    </message>
    <message>
        <source>М</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Г</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Номинальное выпрямленное напряжение, В</source>
        <translation>Rated rectified voltage, V</translation>
    </message>
    <message>
        <source>Номинальный выпрямленный ток, А</source>
        <translation>Rated rectified current, A</translation>
    </message>
    <message>
        <source>Коэффициент пульсации выпрямленного напряжения, %</source>
        <translation>Ripple factor of the rectified voltage, %</translation>
    </message>
    <message>
        <source>Максимальная магнитная индукция в сердечнике трансформатора, Тл</source>
        <translation>Peak flux density in the transformer core, T</translation>
    </message>
    <message>
        <source>Прямое падение напряжения на вентиле, измеренное на постоянном токе, В</source>
        <translation>Diode forward voltage drop, measured at DC, V</translation>
    </message>
    <message>
        <source>Действующее напряжение вторичной обмотки, В</source>
        <translation>Secondary winding rms voltage, V</translation>
    </message>
    <message>
        <source>Действующий ток вторичной обмотки, А</source>
        <translation>Secondary winding rms current, A</translation>
    </message>
    <message>
        <source>Действующий ток первичной обмотки, А</source>
        <translation>Primary winding rms current, A</translation>
    </message>
    <message>
        <source>Габаритная мощность трансформатора, В·А</source>
        <translation>Transformer frame power, VA</translation>
    </message>
    <message>
        <source>Амплитуда обратного напряжения на вентиле, В</source>
        <translation>Peak reverse voltage across a diode, V</translation>
    </message>
    <message>
        <source>Действующее значение тока через вентиль, А</source>
        <translation>Diode rms current, A</translation>
    </message>
    <message>
        <source>Амплитудное значение тока через вентиль, А</source>
        <translation>Diode peak current, A</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора фильтра, мкФ</source>
        <translation>Filter capacitance, µF</translation>
    </message>
    <message>
        <source>Рабочее напряжение конденсатора фильтра, В</source>
        <translation>Filter capacitor working voltage, V</translation>
    </message>
    <message>
        <source>Выпрямленное напряжение должно быть положительным</source>
        <translation>The rectified voltage must be positive</translation>
    </message>
    <message>
        <source>Выпрямленный ток должен быть положительным</source>
        <translation>The rectified current must be positive</translation>
    </message>
    <message>
        <source>Выпрямленный ток должен быть не менее 20 мА</source>
        <translation>The rectified current must be at least 20 mA</translation>
    </message>
    <message>
        <source>Коэффициент пульсации должен быть положительным</source>
        <translation>The ripple factor must be positive</translation>
    </message>
    <message>
        <source>Коэффициент пульсации должен быть не более 15%</source>
        <translation>The ripple factor must not exceed 15%</translation>
    </message>
    <message>
        <source>Магнитная индукция должна быть положительной</source>
        <translation>The flux density must be positive</translation>
    </message>
    <message>
        <source>Падение напряжения на вентиле должно быть положительным</source>
        <translation>The diode forward voltage drop must be positive</translation>
    </message>
    <message>
        <source>Неверный формат вводимых чисел. Проверьте входные данные.</source>
        <translation>Invalid number format. Check the input data.</translation>
    </message>
    <message>
        <source>Коэффициент A превысил значение 20. Скорректируйте входные данные.</source>
        <translation>Coefficient A exceeded 20. Adjust the input data.</translation>
    </message>
    <message>
        <source>Ошибка при вычислениях. Скорректируйте входные данные.</source>
        <translation>Calculation error. Adjust the input data.</translation>
    </message>
    <message>
        <source>Входные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Выходные данные (питающая сеть 220 В / 50 Гц)</source>
        <translation>Output data (mains 220 V / 50 Hz)</translation>
    </message>
    <message>
        <source>Расчётные параметры номограмм</source>
        <translation>Nomogram coefficients</translation>
    </message>
    <message>
        <source>Нагрузочная характеристика выпрямителя</source>
        <translation>Rectifier load characteristic</translation>
    </message>
    <message>
        <source>Число стержней трансформатора, на которых расположены его обмотки</source>
        <translation>Number of transformer core limbs carrying windings</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>= радиан</source>
        <translation>= rad</translation>
    </message>
    <message>
        <source>Процент от номинального выпрямленного тока,</source>
        <translation>Percentage of the rated rectified current,</translation>
    </message>
    <message>
        <source>Выпрямленный ток, А</source>
        <translation>Rectified current, A</translation>
    </message>
    <message>
        <source>Выпрямленное напряжение, В</source>
        <translation>Rectified voltage, V</translation>
    </message>
    <message>
        <source>Не удалось открыть файл проекта «%1»: %2</source>
        <translation>Cannot open the design file “%1”: %2</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл проекта «%1»: %2</source>
        <translation>Cannot save the design file “%1”: %2</translation>
    </message>
    <message>
        <source>Файл «%1» повреждён и не читается как проект Tavro (%2).</source>
        <translation>The file “%1” is damaged and cannot be read as a Tavro design (%2).</translation>
    </message>
    <message>
        <source>%1, байт %2</source>
        <translation>%1, byte %2</translation>
    </message>
    <message>
        <source>Файл «%1» не является проектом Tavro.</source>
        <translation>The file “%1” is not a Tavro design.</translation>
    </message>
    <message>
        <source>Файл проекта «%1» записан более новой версией программы (версия формата %2); эта версия читает проекты до версии 2. Обновите программу.</source>
        <translation>The design file “%1” was written by a newer version of the program (format version %2); this version reads designs up to version 2. Update the program.</translation>
    </message>
    <message>
        <source>Файл проекта «%1» содержит неизвестную запись «%2»: вероятно, он записан более новой версией программы.</source>
        <translation>The design file “%1” contains an unknown entry “%2”: it was probably written by a newer version of the program.</translation>
    </message>
    <message>
        <source>Файл проекта «%1» повреждён: запись «%2» отсутствует или имеет неверный вид.</source>
        <translation>The design file “%1” is damaged: the entry “%2” is missing or malformed.</translation>
    </message>
    <message>
        <source>Файл проекта «%1» повреждён: запись «%2» встречается в нём не один раз.</source>
        <translation>The design file “%1” is damaged: the entry “%2” occurs more than once.</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ, проект не бывает таким большим</source>
        <translation>the file is larger than 1 MiB, far larger than any design</translation>
    </message>
</context>
<context>
    <name>ratings</name>
    <message>
        <source>Индукция в сердечнике вне обычного для электротехнической стали диапазона 0,3–2 Тл: оценки сопротивления и индуктивности рассеяния обмоток, а с ними весь расчёт, здесь ненадёжны.</source>
        <translation>Core flux density outside the usual 0.3–2 T range of electrical steel: the estimates of winding resistance and leakage inductance, and with them the whole design, are unreliable here.</translation>
    </message>
    <message>
        <source>Падение напряжения на вентиле вне обычного диапазона 0,2–3 В: проверьте, что введено прямое падение на одном вентиле при постоянном токе; сопротивление вентилей в расчёте определяется им.</source>
        <translation>Diode forward voltage drop outside the usual 0.2–3 V range: check that the forward drop of one diode at DC was entered; it sets the diode resistance in the calculation.</translation>
    </message>
    <message>
        <source>Падение напряжения на вентиле больше четверти выпрямленного напряжения: большая часть мощности теряется в вентилях, и результат определяется их сопротивлением, а не трансформатором.</source>
        <translation>Diode forward voltage drop above a quarter of the rectified voltage: most of the power is lost in the diodes, and the result is governed by their resistance rather than by the transformer.</translation>
    </message>
    <message>
        <source>Нагрузочная характеристика доходит до нулевого или отрицательного напряжения: при таких токах выпрямитель не может работать, эти строки не имеют физического смысла.</source>
        <translation>The load characteristic reaches zero or negative voltage: the rectifier cannot operate at such currents, and these rows have no physical meaning.</translation>
    </message>
    <message>
        <source>Угол β больше 270° − ψ: импульсы тока соседних полупериодов перекрываются, и метод расчёта, предполагающий их раздельными, здесь неприменим.</source>
        <translation>Angle β exceeds 270° − ψ: the current pulses of adjacent half-periods overlap, and the design method, which assumes them separate, does not apply here.</translation>
    </message>
    <message>
        <source>Коэффициент A больше 15: сопротивление цепи велико по сравнению с нагрузкой, большая часть мощности теряется в обмотках и вентилях; результаты приближённые.</source>
        <translation>Coefficient A above 15: the circuit resistance is large compared with the load, and most of the power is lost in the windings and diodes; the results are approximate.</translation>
    </message>
    <message>
        <source>Внимание: </source>
        <translation>Warning: </translation>
    </message>
    <message>
        <source>Выбор элементов</source>
        <translation>Part selection</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Что должен выдерживать</source>
        <translation>Must withstand</translation>
    </message>
    <message>
        <source>Стандартное значение</source>
        <translation>Standard value</translation>
    </message>
    <message>
        <source>Конденсатор фильтра</source>
        <translation>Filter capacitor</translation>
    </message>
    <message>
        <source>Ёмкость</source>
        <translation>Capacitance</translation>
    </message>
    <message>
        <source>Номинальное напряжение</source>
        <translation>Rated voltage</translation>
    </message>
    <message>
        <source>Ток пульсаций</source>
        <translation>Ripple current</translation>
    </message>
    <message>
        <source>Вентили моста (4 шт.)</source>
        <translation>Bridge diodes (4 pcs)</translation>
    </message>
    <message>
        <source>Обратное напряжение</source>
        <translation>Reverse voltage</translation>
    </message>
    <message>
        <source>Средний ток</source>
        <translation>Mean current</translation>
    </message>
    <message>
        <source>Действующий ток</source>
        <translation>RMS current</translation>
    </message>
    <message>
        <source>Повторяющийся импульсный ток</source>
        <translation>Repetitive peak current</translation>
    </message>
    <message>
        <source>Ударный ток при включении</source>
        <translation>Switch-on surge current</translation>
    </message>
    <message>
        <source>Трансформатор</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Габаритная мощность</source>
        <translation>Frame power</translation>
    </message>
    <message>
        <source>Вторичная обмотка</source>
        <translation>Secondary winding</translation>
    </message>
    <message>
        <source>Первичная обмотка</source>
        <translation>Primary winding</translation>
    </message>
    <message>
        <source>Выход при отклонениях сети</source>
        <translation>Output at mains limits</translation>
    </message>
    <message>
        <source>Выпрямленное напряжение при пониженной сети</source>
        <translation>Rectified voltage at low mains</translation>
    </message>
    <message>
        <source>Напряжение холостого хода при повышенной сети</source>
        <translation>No-load voltage at high mains</translation>
    </message>
    <message>
        <source>%1 В</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>%1 А</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>%1 мкФ</source>
        <translation>%1 µF</translation>
    </message>
    <message>
        <source>%1 В·А</source>
        <translation>%1 VA</translation>
    </message>
    <message>
        <source>не менее %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>нет стандартного класса выше %1</source>
        <translation>no standard rating above %1</translation>
    </message>
    <message>
        <source>не рассчитано: %1</source>
        <translation>not computed: %1</translation>
    </message>
    <message>
        <source>не рассчитано: </source>
        <translation>not computed: </translation>
    </message>
    <message>
        <source>не менее %1 мкФ с учётом допуска −%2 %</source>
        <translation>at least %1 µF with −%2 % tolerance</translation>
    </message>
    <message>
        <source>%1 мкФ (ряд %2)</source>
        <translation>%1 µF (%2 series)</translation>
    </message>
    <message>
        <source>%1 В без нагрузки, сеть +%2 %</source>
        <translation>%1 V at no load, mains +%2 %</translation>
    </message>
    <message>
        <source>%1 А действующий</source>
        <translation>%1 A rms</translation>
    </message>
    <message>
        <source>%1 В амплитуда при сети +%2 %, с запасом ×%3: %4 В</source>
        <translation>%1 V peak at mains +%2 %, with margin ×%3: %4 V</translation>
    </message>
    <message>
        <source>%1 А при включении на фазе %2°, сеть +%3 %, конденсатор разряжен</source>
        <translation>%1 A on switch-on at phase %2°, mains +%3 %, capacitor discharged</translation>
    </message>
    <message>
        <source>IFSM не менее %1 А</source>
        <translation>IFSM at least %1 A</translation>
    </message>
    <message>
        <source>%1 В без нагрузки; %2 В при %3 А</source>
        <translation>%1 V at no load; %2 V at %3 A</translation>
    </message>
    <message>
        <source>%1 В, %2 Гц при %3 А</source>
        <translation>%1 V, %2 Hz at %3 A</translation>
    </message>
    <message>
        <source>сеть −%1 %, номинальный ток: %2</source>
        <translation>mains −%1 %, rated current: %2</translation>
    </message>
    <message>
        <source>среднее %1 В; наименьшее мгновенное %2 В</source>
        <translation>mean %1 V; lowest instantaneous %2 V</translation>
    </message>
    <message>
        <source>сеть +%1 %: %2 В</source>
        <translation>mains +%1 %: %2 V</translation>
    </message>
    <message>
        <source>Напряжение сети должно быть от 1 до 1000 В</source>
        <translation>The mains voltage must be between 1 and 1000 V</translation>
    </message>
    <message>
        <source>Частота сети должна быть от 1 до 1000 Гц</source>
        <translation>The mains frequency must be between 1 and 1000 Hz</translation>
    </message>
    <message>
        <source>Допуск напряжения сети должен быть от 0 до 50 %</source>
        <translation>The mains voltage tolerance must be between 0 and 50 %</translation>
    </message>
    <message>
        <source>Выходные данные (питающая сеть %1 В / %2 Гц)</source>
        <translation>Output data (mains %1 V / %2 Hz)</translation>
    </message>
    <message>
        <source>Напряжение после включения</source>
        <translation>Voltage after switch-on</translation>
    </message>
    <message>
        <source>%1 В при включении на фазе %2°, сеть +%3 %, без нагрузки, конденсатор разряжен</source>
        <translation>%1 V switching on at phase %2°, mains +%3 %, no load, capacitor empty</translation>
    </message>
    <message>
        <source>Запас по напряжению</source>
        <translation>Voltage margin</translation>
    </message>
    <message>
        <source>×%1 к большему из двух, %2 В: %3 В</source>
        <translation>×%1 on the larger of the two, %2 V: %3 V</translation>
    </message>
    <message>
        <source>запас %1 %</source>
        <translation>headroom %1 %</translation>
    </message>
    <message>
        <source>Токи для выбора</source>
        <translation>Currents rated on</translation>
    </message>
    <message>
        <source>по методу; реальные вентили при таком напряжении обычно повышают ток конденсатора на %1 %, пиковый ток вентилей на %2 %</source>
        <translation>the method&apos;s; at this voltage real diodes typically raise the capacitor current by %1 % and the diodes&apos; peak current by %2 %</translation>
    </message>
    <message>
        <source>большее из метода и моделирования: ток конденсатора — %1, действующий ток вентиля — %2, пиковый — %3</source>
        <translation>the larger of the method and the simulation: capacitor current — %1, diode rms current — %2, peak — %3</translation>
    </message>
    <message>
        <source>метод</source>
        <translation>method</translation>
    </message>
    <message>
        <source>моделирование</source>
        <translation>simulation</translation>
    </message>
    <message>
        <source>ESR</source>
        <translation>ESR</translation>
    </message>
    <message>
        <source>%1 Ом — оценка по типичному tg δ = %2 на 120 Гц (Nichicon UPW)</source>
        <translation>%1 Ω — estimated from a typical tan δ = %2 at 120 Hz (Nichicon UPW)</translation>
    </message>
    <message>
        <source>%1 Ом — задано</source>
        <translation>%1 Ω — entered</translation>
    </message>
    <message>
        <source>Потери и нагрев</source>
        <translation>Loss and heating</translation>
    </message>
    <message>
        <source>ESR·I² = %1 Вт; перегрев %2 К (оценка по размеру корпуса): %3 °C при %4 °C вокруг</source>
        <translation>ESR·I² = %1 W; self-heating %2 K (estimated from the can size): %3 °C at %4 °C ambient</translation>
    </message>
    <message>
        <source>Срок службы</source>
        <translation>Life</translation>
    </message>
    <message>
        <source>%1 ч при %2 °C (правило 10 °C от %3 ч при %4 °C)</source>
        <translation>%1 h at %2 °C (10 °C rule from %3 h at %4 °C)</translation>
    </message>
    <message>
        <source>Потери в обмотках и стали</source>
        <translation>Winding and core losses</translation>
    </message>
    <message>
        <source>Rtr·I2² = %1 Вт; в стали %2 Вт (принято ×%3 от потерь в обмотках)</source>
        <translation>Rtr·I2² = %1 W; core %2 W (taken as ×%3 the winding loss)</translation>
    </message>
    <message>
        <source>КПД при номинальной нагрузке</source>
        <translation>Efficiency at rated load</translation>
    </message>
    <message>
        <source>КПД источника</source>
        <translation>Supply efficiency</translation>
    </message>
    <message>
        <source>%1 %: выход %2 Вт; потери: вентили %3 Вт (модель метода), конденсатор %4 Вт, трансформатор %5 Вт</source>
        <translation>%1 %: output %2 W; losses: diodes %3 W (the method&apos;s model), capacitor %4 W, transformer %5 W</translation>
    </message>
    <message>
        <source>%1 %: выход %2 Вт; потери: вентили %3 Вт (%6), конденсатор %4 Вт, трансформатор %5 Вт</source>
        <translation>%1 %: output %2 W; losses: diodes %3 W (%6), capacitor %4 W, transformer %5 W</translation>
    </message>
    <message>
        <source>модель %1</source>
        <translation>%1 model</translation>
    </message>
    <message>
        <source>%1, по моделированию</source>
        <translation>%1, from the simulation</translation>
    </message>
    <message>
        <source>Включение: ограничитель и предохранитель</source>
        <translation>Switch-on: limiter and fuse</translation>
    </message>
    <message>
        <source>Термистор NTC в первичной цепи</source>
        <translation>NTC thermistor in the primary</translation>
    </message>
    <message>
        <source>не рассчитан: допустимый ударный ток не задан</source>
        <translation>not sized: no allowed surge given</translation>
    </message>
    <message>
        <source>не нужен: ударный ток %1 А не больше допустимого %2 А</source>
        <translation>not needed: the surge %1 A is within the allowed %2 A</translation>
    </message>
    <message>
        <source>холодное сопротивление не менее %1 Ом (ударный ток не более %2 А); ток %3 А; энергия включения не менее %4 Дж; ударный ток с ним %5 А</source>
        <translation>cold resistance at least %1 Ω (surge at most %2 A); current %3 A; switch-on energy at least %4 J; surge with it %5 A</translation>
    </message>
    <message>
        <source>%1 Ом</source>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <source>Предохранитель инерционный (T) в первичной цепи</source>
        <translation>Time-delay fuse (T) in the primary</translation>
    </message>
    <message>
        <source>%1 А при номинальной нагрузке и сети +%2 %, ×%3: %4 А</source>
        <translation>%1 A at rated load and mains +%2 %, ×%3: %4 A</translation>
    </message>
    <message>
        <source>T %1 А</source>
        <translation>T %1 A</translation>
    </message>
    <message>
        <source>I²t при включении</source>
        <translation>Switch-on I²t</translation>
    </message>
    <message>
        <source>%1 А²·с против %2 А²·с плавления (типично, Bel Fuse 5ST/5HT); бросок тока намагничивания не учтён</source>
        <translation>%1 A²·s against %2 A²·s melting (typical, Bel Fuse 5ST/5HT); magnetising inrush not included</translation>
    </message>
    <message>
        <source>%1 А²·с; для этого номинала нет типичного I²t плавления</source>
        <translation>%1 A²·s; no typical melting I²t for this rating</translation>
    </message>
    <message>
        <source>✓ выдерживает</source>
        <translation>✓ holds</translation>
    </message>
    <message>
        <source>✗ перегорит: нужен ограничитель или больший номинал</source>
        <translation>✗ blows: a limiter or a larger rating is needed</translation>
    </message>
    <message>
        <source>Наименьшее мгновенное напряжение при номинальной сети</source>
        <translation>Lowest instantaneous voltage at nominal mains</translation>
    </message>
    <message>
        <source>%1 В по методу; %2 В по моделированию</source>
        <translation>%1 V by the method; %2 V simulated</translation>
    </message>
    <message>
        <source>%1 В (амплитуда при сети +%2 % за вычетом падения на вентилях): выброса нет</source>
        <translation>%1 V (the crest at mains +%2 % less the diodes&apos; drop): no overshoot</translation>
    </message>
    <message>
        <source>Вентиль</source>
        <translation>Diode</translation>
    </message>
    <message>
        <source>Повторяющееся обратное напряжение VRRM</source>
        <translation>Repetitive peak reverse voltage VRRM</translation>
    </message>
    <message>
        <source>Средний прямой ток IF(AV)</source>
        <translation>Average forward current IF(AV)</translation>
    </message>
    <message>
        <source>Ударный ток с сопротивлением вентилей</source>
        <translation>Switch-on surge with the diodes' resistance</translation>
    </message>
    <message>
        <source>Потери проводимости в вентиле</source>
        <translation>Conduction loss of one diode</translation>
    </message>
    <message>
        <source>Температура перехода</source>
        <translation>Junction temperature</translation>
    </message>
    <message>
        <source>Радиатор</source>
        <translation>Heatsink</translation>
    </message>
    <message>
        <source>Выравнивающие резисторы</source>
        <translation>Equalising resistors</translation>
    </message>
    <message>
        <source>Наименьший подходящий вентиль библиотеки</source>
        <translation>Smallest suitable diode in the library</translation>
    </message>
    <message>
        <source>%1: годится</source>
        <translation>%1: suitable</translation>
    </message>
    <message>
        <source>%1: не годится</source>
        <translation>%1: not suitable</translation>
    </message>
    <message>
        <source>%2 против %1: годится, запас %3 %</source>
        <translation>%2 against %1: passes, margin %3 %</translation>
    </message>
    <message>
        <source>%2 против %1: не годится, не хватает %3 %</source>
        <translation>%2 against %1: fails, %3 % short</translation>
    </message>
    <message>
        <source>%1 А с сопротивлением двух вентилей %2 Ом (без него %3 А); IFSM проверен по нему</source>
        <translation>%1 A with two diodes' resistance of %2 Ω (%3 A without it); IFSM is checked against it</translation>
    </message>
    <message>
        <source>%1 Вт, мост %2 Вт (Vf0·Iср + rd·Iд², Vf0 = %3 В, rd = %4 Ом)</source>
        <translation>%1 W, bridge %2 W (Vf0·Iavg + rd·Irms², Vf0 = %3 V, rd = %4 Ω)</translation>
    </message>
    <message>
        <source>%1 Вт по моделированию, мост %2 Вт; по формуле %3 Вт (Vf0·Iср + rd·Iд², Vf0 = %4 В, rd = %5 Ом)</source>
        <translation>%1 W from the simulation, bridge %2 W; by the formula %3 W (Vf0·Iavg + rd·Irms², Vf0 = %4 V, rd = %5 Ω)</translation>
    </message>
    <message>
        <source>%1 °C без радиатора при %2 °C вокруг (не более %3 °C)</source>
        <translation>%1 °C without a heatsink at %2 °C ambient (at most %3 °C)</translation>
    </message>
    <message>
        <source>RθJA без радиатора не опубликовано (%2 °C вокруг, не более %3 °C)</source>
        <translation>RθJA without a heatsink not published (%2 °C ambient, at most %3 °C)</translation>
    </message>
    <message>
        <source>не нужен</source>
        <translation>not needed</translation>
    </message>
    <message>
        <source>нужен: не более %1 К/Вт на весь мост</source>
        <translation>needed: at most %1 K/W for the whole bridge</translation>
    </message>
    <message>
        <source>нужен: никакой радиатор не удержит переход ниже предела</source>
        <translation>needed: no heatsink keeps the junction below its limit</translation>
    </message>
    <message>
        <source>нужен: тепловое сопротивление переход–вывод не опубликовано</source>
        <translation>needed: the junction-to-lead thermal resistance is not published</translation>
    </message>
    <message>
        <source>%1 шт. на плечо, не более %2 Ом, %3 Вт каждый</source>
        <translation>%1 per arm, at most %2 Ω, %3 W each</translation>
    </message>
    <message>
        <source>цепочка коротка: её VRRM ниже нужного</source>
        <translation>string too short: its VRRM is below the need</translation>
    </message>
    <message>
        <source>Повторяющееся обратное напряжение выбранного вентиля ниже нужного с запасом.</source>
        <translation>The chosen diode's repetitive peak reverse voltage is below the need with its margin.</translation>
    </message>
    <message>
        <source>Средний прямой ток выбранного вентиля ниже среднего тока через него.</source>
        <translation>The chosen diode's average forward current rating is below its mean current.</translation>
    </message>
    <message>
        <source>Ударный ток при включении больше IFSM выбранного вентиля: нужен ограничитель тока включения или вентиль мощнее.</source>
        <translation>The switch-on surge exceeds the chosen diode's IFSM: an inrush limiter or a larger diode is needed.</translation>
    </message>
    <message>
        <source>Выбранный вентиль без радиатора перегреется: нужен радиатор.</source>
        <translation>The chosen diode overheats without a heatsink: a heatsink is needed.</translation>
    </message>
    <message>
        <source>в библиотеке нет</source>
        <translation>none in the library</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Тл</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>В·А</source>
        <translation>VA</translation>
    </message>
    <message>
        <source>мкФ</source>
        <translation>µF</translation>
    </message>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>Номинальное выпрямленное напряжение</source>
        <translation>Rated rectified voltage</translation>
    </message>
    <message>
        <source>Номинальный выпрямленный ток</source>
        <translation>Rated rectified current</translation>
    </message>
    <message>
        <source>Коэффициент пульсации выпрямленного напряжения</source>
        <translation>Ripple factor of the rectified voltage</translation>
    </message>
    <message>
        <source>Число стержней трансформатора, несущих обмотки</source>
        <translation>Number of transformer core limbs carrying windings</translation>
    </message>
    <message>
        <source>Максимальная магнитная индукция в сердечнике</source>
        <translation>Peak flux density in the core</translation>
    </message>
    <message>
        <source>Прямое падение напряжения на вентиле</source>
        <translation>Diode forward voltage drop</translation>
    </message>
    <message>
        <source>Частота электросети</source>
        <translation>Mains frequency</translation>
    </message>
    <message>
        <source>Действующее напряжение первичной обмотки</source>
        <translation>Primary winding rms voltage</translation>
    </message>
    <message>
        <source>Выходные данные</source>
        <translation>Output data</translation>
    </message>
    <message>
        <source>Действующее напряжение вторичной обмотки</source>
        <translation>Secondary winding rms voltage</translation>
    </message>
    <message>
        <source>Действующий ток вторичной обмотки</source>
        <translation>Secondary winding rms current</translation>
    </message>
    <message>
        <source>Действующий ток первичной обмотки</source>
        <translation>Primary winding rms current</translation>
    </message>
    <message>
        <source>Габаритная мощность трансформатора</source>
        <translation>Transformer frame power</translation>
    </message>
    <message>
        <source>Амплитуда обратного напряжения на вентиле</source>
        <translation>Peak reverse voltage across a diode</translation>
    </message>
    <message>
        <source>Действующее значение тока через вентиль</source>
        <translation>Diode rms current</translation>
    </message>
    <message>
        <source>Амплитудное значение тока через вентиль</source>
        <translation>Diode peak current</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора фильтра</source>
        <translation>Filter capacitance</translation>
    </message>
    <message>
        <source>Рабочее напряжение конденсатора фильтра</source>
        <translation>Filter capacitor working voltage</translation>
    </message>
    <message>
        <source>Угол φ</source>
        <translation>Angle φ</translation>
    </message>
    <message>
        <source>Угол ψ</source>
        <translation>Angle ψ</translation>
    </message>
    <message>
        <source>Угол β</source>
        <translation>Angle β</translation>
    </message>
    <message>
        <source>Коэффициент A</source>
        <translation>Coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент B</source>
        <translation>Coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент D</source>
        <translation>Coefficient D</translation>
    </message>
    <message>
        <source>Коэффициент F</source>
        <translation>Coefficient F</translation>
    </message>
    <message>
        <source>Коэффициент H</source>
        <translation>Coefficient H</translation>
    </message>
    <message>
        <source>Ток, % от номинального</source>
        <translation>Current, % of rated</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>simulation</name>
    <message>
        <source>Проверка допущений метода (идеальные вентили, сопротивления метода, нагрузка — источник U0)</source>
        <translation>Check of the method’s assumptions (ideal diodes, the method’s resistances, load as a U0 source)</translation>
    </message>
    <message>
        <source>Реальная схема</source>
        <translation>Real circuit</translation>
    </message>
    <message>
        <source>Бросок тока при включении (конденсатор разряжен)</source>
        <translation>Switch-on surge current (capacitor discharged)</translation>
    </message>
    <message>
        <source>Наихудшая фаза включения, °</source>
        <translation>Worst switch-on phase, °</translation>
    </message>
    <message>
        <source>Наибольший ток вентиля, А</source>
        <translation>Highest diode current, A</translation>
    </message>
    <message>
        <source>расчёт подтверждён (расхождение не более 0,05 %)</source>
        <translation>design confirmed (deviation at most 0.05 %)</translation>
    </message>
    <message>
        <source>расхождение превышает 0,05 %</source>
        <translation>deviation exceeds 0.05 %</translation>
    </message>
    <message>
        <source>, сеть %1 В</source>
        <translation>, mains %1 V</translation>
    </message>
    <message>
        <source>, сеть %1 В (+%2 %)</source>
        <translation>, mains %1 V (+%2 %)</translation>
    </message>
    <message>
        <source>Резистор U0/I0</source>
        <translation>Resistor U0/I0</translation>
    </message>
    <message>
        <source>Источник тока I0</source>
        <translation>Current source I0</translation>
    </message>
    <message>
        <source>установившийся режим не достигнут за 100 периодов</source>
        <translation>steady state not reached within 100 periods</translation>
    </message>
    <message>
        <source>расчёт не продвигался и был остановлен</source>
        <translation>the simulation stalled and was stopped</translation>
    </message>
    <message>
        <source>моделирование отменено</source>
        <translation>the simulation was cancelled</translation>
    </message>
    <message>
        <source>невозможный результат (%1)</source>
        <translation>an impossible result (%1)</translation>
    </message>
    <message>
        <source>программа моделирования дала ответ, не являющийся отчётом (%1)</source>
        <translation>the simulation helper gave an answer that is not a report (%1)</translation>
    </message>
    <message>
        <source>программа моделирования аварийно завершилась (сигнал %1, %2)</source>
        <translation>the simulation helper crashed (signal %1, %2)</translation>
    </message>
    <message>
        <source>программа моделирования завершилась с кодом %1, не дав ответа</source>
        <translation>the simulation helper exited with status %1 without an answer</translation>
    </message>
    <message>
        <source>программа моделирования не ответила и не сообщила о ходе работы за %1 с и остановлена</source>
        <translation>the simulation helper did not answer or report progress within %1 s and was stopped</translation>
    </message>
    <message>
        <source>не удалось запустить программу моделирования %1: %2</source>
        <translation>cannot start the simulation helper %1: %2</translation>
    </message>
    <message>
        <source>проверка допущений метода: установившийся режим не достигнут за 100 периодов</source>
        <translation>check of the method&apos;s assumptions: steady state not reached within 100 periods</translation>
    </message>
    <message>
        <source>обратное напряжение вентиля %1 достигает %2 В — напряжения пробоя модели BV = %3 В: вентиль пробит, результаты реальной схемы недостоверны</source>
        <translation>the reverse voltage across diode %1 reaches %2 V, the model&apos;s breakdown voltage BV = %3 V: the diode breaks down and the real circuit&apos;s figures are not to be trusted</translation>
    </message>
    <message>
        <source>обратное напряжение вентиля %1 достигает %2 В при допустимом по справочнику VRRM = %3 В: модель ещё не пробита и результаты верны, но вентиль работает за пределом своих характеристик</source>
        <translation>the reverse voltage across diode %1 reaches %2 V, beyond the datasheet&apos;s VRRM = %3 V: the model does not break down yet and the figures stand, but the diode is driven beyond its rating</translation>
    </message>
    <message>
        <source>Среднее выпрямленное напряжение, В</source>
        <translation>Mean rectified voltage, V</translation>
    </message>
    <message>
        <source>Средний ток нагрузки, А</source>
        <translation>Mean load current, A</translation>
    </message>
    <message>
        <source>Размах пульсаций, В</source>
        <translation>Peak-to-peak ripple, V</translation>
    </message>
    <message>
        <source>Амплитуда основной гармоники пульсаций, В</source>
        <translation>Fundamental ripple amplitude, V</translation>
    </message>
    <message>
        <source>Действующий ток вторичной обмотки, А</source>
        <translation>Secondary winding rms current, A</translation>
    </message>
    <message>
        <source>Средний ток вентиля, А</source>
        <translation>Diode mean current, A</translation>
    </message>
    <message>
        <source>Действующее значение тока через вентиль, А</source>
        <translation>Diode rms current, A</translation>
    </message>
    <message>
        <source>Амплитудное значение тока через вентиль, А</source>
        <translation>Diode peak current, A</translation>
    </message>
    <message>
        <source>Конец проводимости β, °</source>
        <translation>Conduction end β, °</translation>
    </message>
    <message>
        <source>Действующий ток конденсатора, А</source>
        <translation>Capacitor rms current, A</translation>
    </message>
</context>
<context>
    <name>transformer</name>
    <message>
        <source>Стандартные трансформаторы</source>
        <translation>Standard transformers</translation>
    </message>
    <message>
        <source>Нужно: ЭДС вторичной обмотки %1 В при токе %2 А</source>
        <translation>Needed: secondary EMF %1 V at %2 A</translation>
    </message>
    <message>
        <source>Броневой (Ш-образный)</source>
        <translation>Laminated E-I</translation>
    </message>
    <message>
        <source>Тороидальный</source>
        <translation>Toroidal</translation>
    </message>
    <message>
        <source>%1 %2 В, %3 В·А (изменение напряжения %4 %)</source>
        <translation>%1 %2 V, %3 VA (regulation %4 %)</translation>
    </message>
    <message>
        <source>U0 %1 В, при пониженном напряжении сети %2 В</source>
        <translation>U0 %1 V, at low mains %2 V</translation>
    </message>
    <message>
        <source>пульсации %1 %</source>
        <translation>ripple %1 %</translation>
    </message>
    <message>
        <source>без нагрузки при повышенном напряжении сети %1 В</source>
        <translation>no load at high mains %1 V</translation>
    </message>
    <message>
        <source>выше класса конденсатора %1 В</source>
        <translation>above the capacitor&apos;s %1 V class</translation>
    </message>
    <message>
        <source>I2 %1 А при номинальном %2 А (%3 %)</source>
        <translation>I2 %1 A of rated %2 A (%3 %)</translation>
    </message>
    <message>
        <source>наименьший, дающий U0</source>
        <translation>the smallest that gives U0</translation>
    </message>
    <message>
        <source>расчёт с этим трансформатором не выполнен</source>
        <translation>the calculation with this transformer failed</translation>
    </message>
    <message>
        <source>Ни один трансформатор стандартных рядов не даёт U0 в пределах своей мощности.</source>
        <translation>No transformer of the standard series gives U0 within its rating.</translation>
    </message>
    <message>
        <source>Намотка трансформатора</source>
        <translation>Winding the transformer</translation>
    </message>
    <message>
        <source>Сердечник %1: сечение стали %2 см², окно %3 см², средняя длина магнитной линии %4 см, масса %5 кг</source>
        <translation>Core %1: iron cross-section %2 cm², window %3 cm², mean magnetic path %4 cm, mass %5 kg</translation>
    </message>
    <message>
        <source>меньшие сердечники не вмещают обмотки: %1</source>
        <translation>smaller cores do not take the windings: %1</translation>
    </message>
    <message>
        <source>%1 витка на вольт при индукции %2 Тл (с округлёнными витками %3 Тл)</source>
        <translation>%1 turns per volt at a flux density of %2 T (%3 T with the turns rounded)</translation>
    </message>
    <message>
        <source>Первичная обмотка</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Вторичная обмотка</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>%1: число витков %2, провод %3 мм (%4 мм с эмалью), %5 А/мм²; слоёв %6, витков в слое %7, толщина %8 мм, средний виток %9 см</source>
        <translation>%1: %2 turns of %3 mm wire (%4 mm with enamel), %5 A/mm²; %6 layers of %7 turns, build %8 mm, mean turn %9 cm</translation>
    </message>
    <message>
        <source>сопротивление %1 Ом при 20 °C, %2 Ом при %3 °C</source>
        <translation>resistance %1 Ω at 20 °C, %2 Ω at %3 °C</translation>
    </message>
    <message>
        <source>Заполнение окна %1 % (катушка с изоляцией %2 мм из %3 мм); медь занимает %4 % площади окна</source>
        <translation>Window fill %1 % (coil with insulation %2 mm of %3 mm); copper takes %4 % of the window area</translation>
    </message>
    <message>
        <source>Потери в меди %1 Вт, в стали %2 Вт (%3 Вт/кг); поверхность охлаждения %4 см², перегрев %5 °C, рабочая температура %6 °C</source>
        <translation>Copper loss %1 W, core loss %2 W (%3 W/kg); cooling surface %4 cm², temperature rise %5 °C, working temperature %6 °C</translation>
    </message>
    <message>
        <source>ЭДС вторичной обмотки без нагрузки %1 В (по расчёту выпрямителя %2 В)</source>
        <translation>Secondary EMF with no load %1 V (the rectifier design&apos;s %2 V)</translation>
    </message>
    <message>
        <source>Сопротивление обмоток, приведённое ко вторичной, %1 Ом (эмпирическая оценка метода %2 Ом, %3 %)</source>
        <translation>Winding resistance referred to the secondary %1 Ω (the method&apos;s empirical estimate %2 Ω, %3 %)</translation>
    </message>
    <message>
        <source>Индуктивность рассеяния %1 мГн (эмпирическая оценка метода %2 мГн, %3 %)</source>
        <translation>Leakage inductance %1 mH (the method&apos;s empirical estimate %2 mH, %3 %)</translation>
    </message>
    <message>
        <source>С этим трансформатором: U0 %1 В (по расчёту %2 В), пульсации %3 %, I2 %4 А</source>
        <translation>With this transformer: U0 %1 V (designed %2 V), ripple %3 %, I2 %4 A</translation>
    </message>
    <message>
        <source>Расчёт выпрямителя с этим трансформатором не выполнен.</source>
        <translation>The rectifier could not be calculated with this transformer.</translation>
    </message>
    <message>
        <source>Ни один сердечник этого семейства не вмещает обмотки.</source>
        <translation>No core of this family takes the windings.</translation>
    </message>
    <message>
        <source>Намотку рассчитать не удалось.</source>
        <translation>The winding could not be calculated.</translation>
    </message>
    <message>
        <source>Индукция в сердечнике должна быть положительной.</source>
        <translation>The core&apos;s flux density must be positive.</translation>
    </message>
    <message>
        <source>Трансформатор</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Выпрямитель с ним</source>
        <translation>The rectifier with it</translation>
    </message>
    <message>
        <source>Ш-образные пластины (E-I)</source>
        <translation>E-I laminations</translation>
    </message>
    <message>
        <source>Тороидальный ленточный</source>
        <translation>Toroidal tape-wound</translation>
    </message>
    <message>
        <source>Ленточный разрезной (C)</source>
        <translation>Tape-wound C core</translation>
    </message>
    <message>
        <source>Сердечник:</source>
        <translation>Core:</translation>
    </message>
    <message>
        <source>Индукция, Тл:</source>
        <translation>Flux density, T:</translation>
    </message>
    <message>
        <source>%1, индукция %2 Тл</source>
        <translation>%1, flux density %2 T</translation>
    </message>
</context>
</TS>
