<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>cli</name>
    <message>
        <source>(расчёт / моделирование)</source>
        <translation>(calculation / simulation)</translation>
    </message>
    <message>
        <source>%1 периодов</source>
        <translation>%1 periods</translation>
    </message>
    <message>
        <source>Не удалось записать отчёт в файл %1: %2</source>
        <translation>Cannot write the report to the file %1: %2</translation>
    </message>
    <message>
        <source>Не удалось записать список соединений в файл %1: %2</source>
        <translation>Cannot write the netlist to the file %1: %2</translation>
    </message>
    <message>
        <source>моделирование: </source>
        <translation>simulation: </translation>
    </message>
    <message>
        <source>Трансформатор</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>ЭДС вторичной обмотки (напряжение холостого хода) U2</source>
        <translation>Secondary EMF (no-load voltage) U2</translation>
    </message>
    <message>
        <source>Напряжение вторичной обмотки при номинальном токе</source>
        <translation>Secondary voltage at the rated current</translation>
    </message>
    <message>
        <source>Номинальный ток вторичной обмотки</source>
        <translation>Rated secondary current</translation>
    </message>
    <message>
        <source>Номинальная мощность</source>
        <translation>Rated power</translation>
    </message>
    <message>
        <source>Рост напряжения от номинальной нагрузки до холостого хода</source>
        <translation>Voltage rise from rated load to no load</translation>
    </message>
    <message>
        <source>Сопротивление обмоток, приведённое ко вторичной, Rtr</source>
        <translation>Winding resistance referred to the secondary Rtr</translation>
    </message>
    <message>
        <source>Индуктивность рассеяния Ls</source>
        <translation>Leakage inductance Ls</translation>
    </message>
    <message>
        <source>(измерено омметром)</source>
        <translation>(measured with an ohmmeter)</translation>
    </message>
    <message>
        <source>(по заданному росту напряжения)</source>
        <translation>(from the given voltage rise)</translation>
    </message>
    <message>
        <source>(оценка: типичный рост для типа и мощности)</source>
        <translation>(estimate: the typical rise of the kind and rating)</translation>
    </message>
    <message>
        <source>(задано)</source>
        <translation>(given)</translation>
    </message>
    <message>
        <source>(опыт короткого замыкания)</source>
        <translation>(short-circuit test)</translation>
    </message>
    <message>
        <source>(оценка по методике)</source>
        <translation>(the method&apos;s estimate)</translation>
    </message>
    <message>
        <source>Выпрямитель при токе нагрузки %1 и ёмкости фильтра %2</source>
        <translation>The rectifier at a load current of %1 with a filter capacitance of %2</translation>
    </message>
    <message>
        <source>Выпрямленное напряжение U0</source>
        <translation>Rectified voltage U0</translation>
    </message>
    <message>
        <source>Коэффициент пульсаций Kp</source>
        <translation>Ripple factor Kp</translation>
    </message>
    <message>
        <source>Действующий ток вторичной обмотки I2</source>
        <translation>Secondary rms current I2</translation>
    </message>
    <message>
        <source>Используемая мощность трансформатора U2·I2</source>
        <translation>Transformer power used U2·I2</translation>
    </message>
    <message>
        <source>%1 от номинала</source>
        <translation>%1 of the rating</translation>
    </message>
    <message>
        <source>Действующий ток первичной обмотки I1</source>
        <translation>Primary rms current I1</translation>
    </message>
    <message>
        <source>Действующий ток диода Idrms</source>
        <translation>Diode rms current Idrms</translation>
    </message>
    <message>
        <source>Амплитуда тока диода Idpk</source>
        <translation>Diode peak current Idpk</translation>
    </message>
    <message>
        <source>Обратное напряжение диода Urev</source>
        <translation>Diode reverse voltage Urev</translation>
    </message>
    <message>
        <source>U0 и Kp при пониженном напряжении сети %1</source>
        <translation>U0 and Kp at low mains %1</translation>
    </message>
    <message>
        <source>Напряжение холостого хода при повышенном напряжении сети %1</source>
        <translation>No-load voltage at high mains %1</translation>
    </message>
    <message>
        <source>Расчёт на худший случай: не менее %1 при токе %2 и пониженном напряжении сети</source>
        <translation>Design for the worst case: at least %1 at %2 and low mains</translation>
    </message>
    <message>
        <source>Номинальное выпрямленное напряжение (выбрано) U0</source>
        <translation>Nominal rectified voltage (chosen) U0</translation>
    </message>
    <message>
        <source>Ёмкость фильтра (Kp при пониженном напряжении сети) Cf</source>
        <translation>Filter capacitance (Kp at low mains) Cf</translation>
    </message>
    <message>
        <source>U0, Kp и I2 при напряжении сети %1</source>
        <translation>U0, Kp and I2 at mains %1</translation>
    </message>
    <message>
        <source>Допустимое напряжение холостого хода при повышенном напряжении сети</source>
        <translation>Allowed no-load voltage at high mains</translation>
    </message>
    <message>
        <source>(соблюдено)</source>
        <translation>(met)</translation>
    </message>
    <message>
        <source>(превышено)</source>
        <translation>(exceeded)</translation>
    </message>
</context>
<context>
    <name>pdf</name>
    <message>
        <source>Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности рассеяния трансформатора</source>
        <translation>Design of a single-phase bridge rectifier with a capacitor filter, taking the transformer&apos;s leakage inductance into account</translation>
    </message>
    <message>
        <source>Дата расчёта:</source>
        <translation>Calculated on:</translation>
    </message>
    <message>
        <source>Схема выпрямителя</source>
        <translation>Rectifier circuit</translation>
    </message>
    <message>
        <source>Нагрузочная характеристика</source>
        <translation>Load characteristic</translation>
    </message>
    <message>
        <source>Выпрямленное напряжение от холостого хода до 120 % номинального тока; точкой отмечен номинальный режим.</source>
        <translation>Rectified voltage from no load to 120 % of the rated current; the dot marks the rated operating point.</translation>
    </message>
    <message>
        <source>Форма тока вентиля</source>
        <translation>Diode current waveform</translation>
    </message>
    <message>
        <source>Ток одного вентиля за период сети в номинальном режиме: проводимость с %1° до %2°, максимум %3 А, действующее значение %4 А.</source>
        <translation>Current of one diode over a mains period at the rated load: conduction from %1° to %2°, peak %3 A, rms value %4 A.</translation>
    </message>
    <message>
        <source>Сеть %1 В, %2 Гц</source>
        <translation>Mains %1 V, %2 Hz</translation>
    </message>
    <message>
        <source>U2 = %1 В
I2 = %2 А
I1 = %3 А
Pгаб = %4 В·А</source>
        <translation>U2 = %1 V
I2 = %2 A
I1 = %3 A
Pframe = %4 VA</translation>
    </message>
    <message>
        <source>Uобр = %1 В
Iд = %2 А
Iд max = %3 А</source>
        <translation>Urev = %1 V
Id = %2 A
Id max = %3 A</translation>
    </message>
    <message>
        <source>Cф = %1 мкФ
Uраб = %2 В</source>
        <translation>Cf = %1 µF
Uwork = %2 V</translation>
    </message>
    <message>
        <source>Rн
U0 = %1 В
I0 = %2 А
Kп = %3 %</source>
        <translation>RL
U0 = %1 V
I0 = %2 A
Kr = %3 %</translation>
    </message>
    <message>
        <source>Проверка моделированием</source>
        <translation>Simulation check</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Расхождение, %</source>
        <translation>Deviation, %</translation>
    </message>
    <message>
        <source>Не удалось записать PDF-документ</source>
        <translation>Cannot write the PDF document</translation>
    </message>
    <message>
        <source>Модель вентиля %1, источник параметров (по-английски, как в библиотеке): %2</source>
        <translation>Diode model %1, source of its parameters (as the library names it): %2</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>U0 = %1 В, I0 = %2 А, Kп = %3 %, стержней с обмотками: %4, Bm = %5 Тл, Uпр = %6 В</source>
        <translation>U0 = %1 V, I0 = %2 A, Kr = %3 %, limbs with windings: %4, Bm = %5 T, Uf = %6 V</translation>
    </message>
    <message>
        <source>стр. %1 из %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Моделирование: выходное напряжение</source>
        <translation>Simulation: output voltage</translation>
    </message>
    <message>
        <source>Моделирование: ток вентиля</source>
        <translation>Simulation: diode current</translation>
    </message>
    <message>
        <source>Моделирование: включение</source>
        <translation>Simulation: switch-on</translation>
    </message>
</context>
</TS>
