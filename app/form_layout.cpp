#include "app/form_layout.h"

#include <QMenuBar>
#include <QPainter>
#include <QString>
#include <functional>

#include "app/app_texts.h"
#include "app/fonts.h"
#include "app/interface_language.h"
#include "app/qt_text.h"
#include "design/field_table.h"
#include "design/texts.h"
#include "i18n/catalogue.h"

namespace tavro::app {

using design::Field;
using design::Group;
namespace dtexts = design::texts;

namespace {

constexpr int kRowTop = 24;    // first row of fields in a group
constexpr int kRowPitch = 32;  // rows of the result groups
constexpr int kFieldHeight = 27;
constexpr int kLabelLeft = 8;

int RowY(int row) { return kRowTop + row * kRowPitch; }

// The left edge of a bevel: a dark line with a light one beside it.
class BevelLine : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(1, 0, 1, height() - 1);
  }
};

// A text of the calculation's, in the language in use.
using Words = std::function<QString()>;
Words Design(std::string_view text) {
  return [text] { return T(kDesignContext, text); };
}

QGroupBox* MakeGroup(QWidget* parent, Group group, std::string_view caption, QRect geometry) {
  auto* box = new QGroupBox(parent);
  Follow(*parent->window(), box, [box, caption] { box->setTitle(T(kDesignContext, caption)); });
  box->setObjectName(QString::fromStdString(design::GroupName(group)));
  box->setGeometry(geometry);
  box->setFont(GroupCaptionFont());
  return box;
}

QLabel* MakeLabel(QWidget* parent, Words text, QRect geometry, Qt::Alignment align) {
  auto* label = new QLabel(parent);
  if (text) Follow(*parent->window(), label, [label, text] { label->setText(text()); });
  label->setFont(LabelFont());
  label->setGeometry(geometry);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

// A label that ends at x = rightEdge, level with a field at row top y.
QLabel* LabelEndingAt(QWidget* parent, std::string_view text, int rightEdge, int y) {
  return MakeLabel(parent, Design(text), QRect(kLabelLeft, y, rightEdge - kLabelLeft, kFieldHeight),
                   Qt::AlignRight);
}

QLineEdit* MakeEdit(FormControls& c, QWidget* parent, Field field, QRect geometry, bool readOnly) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromStdString(design::FieldName(field)));
  edit->setGeometry(geometry);
  edit->setFont(FieldFont());
  edit->setReadOnly(readOnly);
  c.edits[static_cast<int>(field) - 1] = edit;
  return edit;
}

void BuildInputs(FormControls& c) {
  QGroupBox* g = MakeGroup(c.client, Group::GroupBox2, dtexts::kInputsGroup, {16, 9, 601, 225});
  c.groups[1] = g;
  constexpr int kLabelEnd = 478;
  const auto input = [&](design::Input quantity, int y) {
    LabelEndingAt(g, dtexts::InputCaption(quantity), kLabelEnd, y);
    MakeEdit(c, g, design::FieldOf(quantity), {488, y, 98, kFieldHeight}, false);
  };
  input(design::Input::U0, 24);
  input(design::Input::I0, 56);
  input(design::Input::Kp, 88);
  LabelEndingAt(g, dtexts::kLimbsCaption, kLabelEnd, 122);
  c.radioButton1 = new QRadioButton(Q(texts::kLimbsOne), g);
  c.radioButton1->setObjectName("RadioButton1");
  c.radioButton1->setGeometry(496, 126, 34, 18);
  c.radioButton1->setChecked(true);
  c.radioButton2 = new QRadioButton(Q(texts::kLimbsTwo), g);
  c.radioButton2->setObjectName("RadioButton2");
  c.radioButton2->setGeometry(544, 126, 34, 18);
  for (QRadioButton* r : {c.radioButton1, c.radioButton2}) r->setFont(FieldFont());
  input(design::Input::Bm, 152);
  input(design::Input::Ud, 184);
}

void BuildOutputs(FormControls& c) {
  QGroupBox* g = MakeGroup(c.client, Group::GroupBox3, dtexts::kOutputsGroup, {16, 241, 441, 320});
  c.groups[2] = g;
  int row = 0;
  for (design::Quantity quantity : dtexts::kOutputQuantities) {
    LabelEndingAt(g, dtexts::OutputCaption(quantity), 310, RowY(row));
    MakeEdit(c, g, design::FieldOf(quantity, design::Form::Value),
             {320, RowY(row), 105, kFieldHeight}, true);
    ++row;
  }
}

void BuildNomograms(FormControls& c) {
  QGroupBox* g = MakeGroup(c.client, Group::GroupBox1, dtexts::kNomogramGroup, {472, 241, 409, 320});
  c.groups[0] = g;
  int row = 0;
  for (const dtexts::NomogramRow& r : dtexts::kNomogramRows) {
    const int y = RowY(row++);
    const Words caption = [&r] {
      return T(kDesignContext, r.Caption) + " " + Q(r.Symbol) + Q(r.Unit);
    };
    MakeLabel(g, caption, {6, y, 104, kFieldHeight}, Qt::AlignLeft);
    MakeEdit(c, g, design::FieldOf(r.First.Shows, r.First.As), {112, y, 105, kFieldHeight}, true);
    if (r.HasSecond) {
      MakeLabel(g, Design(r.Middle), {217, y, 71, kFieldHeight}, Qt::AlignHCenter);
      MakeEdit(c, g, design::FieldOf(r.Second.Shows, r.Second.As), {288, y, 105, kFieldHeight},
               true);
    }
  }
}

void BuildLoadCharacteristic(FormControls& c) {
  QGroupBox* g = MakeGroup(c.client, Group::GroupBox4, dtexts::kLoadGroup, {16, 569, 865, 105});
  c.groups[3] = g;
  g->setAutoFillBackground(true);
  QPalette face = g->palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  g->setPalette(face);

  QLabel* percent = MakeLabel(g, Design(dtexts::kPercentCaption), {95, 29, 295, 17}, Qt::AlignLeft);
  // The caption leads into the percentage after it: the Russian one fills its
  // place, a shorter translation moves up to the percentage.
  Follow(*g->window(), percent, [percent] {
    const bool russian = i18n::CurrentLanguage() == i18n::Language::Russian;
    percent->setAlignment((russian ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
  });
  c.label37 = MakeLabel(g, nullptr, {392, 29, 60, 17}, Qt::AlignLeft);
  c.label37->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  c.label37->setObjectName("Label37");

  c.trackBar1 = new TrackBar(g);
  c.trackBar1->setObjectName("TrackBar1");
  c.trackBar1->setGeometry(8, 48, 505, 33);
  c.trackBar1->setRange(design::kTrackBarMin, design::kTrackBarMax);
  c.trackBar1->setSingleStep(1);
  c.trackBar1->setPageStep(2);
  c.trackBar1->setTickPosition(QSlider::TicksBelow);
  c.trackBar1->setTickInterval(1);
  c.trackBar1->setValue(design::kTrackBarRated);
  c.trackBar1->setSelection(design::kTrackBarRated, design::kTrackBarMax);

  const QFont small = DefaultFont();
  const auto scaleLabel = [&](const char* text, int x) {
    auto* label = new QLabel(QString::fromUtf8(text), g);
    label->setFont(small);
    label->move(x, 80);
    label->adjustSize();
  };
  scaleLabel("0%", 16);
  scaleLabel("100%", 405);
  scaleLabel("120%", 488);

  auto* bevel = new BevelLine(g);
  bevel->setObjectName("Bevel1");
  bevel->setGeometry(536, 18, 9, 74);

  // Right of the bevel: the chosen row's current and voltage.
  const auto row = [&](std::string_view caption, Field field, int y) {
    MakeLabel(g, Design(caption), {552, y, 184, kFieldHeight}, Qt::AlignRight);
    MakeEdit(c, g, field, {744, y, 105, kFieldHeight}, true);
  };
  row(dtexts::kLoadCurrentCaption, Field::Edit25, 27);
  row(dtexts::kLoadVoltageCaption, Field::Edit26, 59);
}

void BuildMenu(QMainWindow& window, FormControls& c) {
  QMenu* file = window.menuBar()->addMenu(Q(texts::kFileMenu));
  file->setObjectName("N1");
  c.n3 = file->addAction(Q(texts::kSaveItem));
  c.n3->setObjectName("N3");
  c.n4 = file->addAction(Q(texts::kExitItem));
  c.n4->setObjectName("N4");
  QMenu* help = window.menuBar()->addMenu(Q(texts::kHelpMenu));
  help->setObjectName("N2");
  c.n5 = help->addAction(Q(texts::kAboutItem));
  c.n5->setObjectName("N5");
  // The plots show a complete calculation; they start greyed.
  QMenu* plots = window.menuBar()->addMenu(Q(texts::kPlotsMenu));
  plots->setObjectName("N6");
  c.n7 = plots->addAction(Q(texts::kLoadPlotItem));
  c.n7->setObjectName("N7");
  c.n8 = plots->addAction(Q(texts::kPulsePlotItem));
  c.n8->setObjectName("N8");
  for (QAction* item : {c.n7, c.n8}) item->setEnabled(false);
}

void SetTabOrder(const FormControls& c) {
  std::vector<QWidget*> chain;
  for (Field f : {Field::Edit1, Field::Edit2, Field::Edit3}) chain.push_back(c.Edit(f));
  chain.push_back(c.radioButton1);
  chain.push_back(c.radioButton2);
  for (Field f : {Field::Edit5, Field::Edit6}) chain.push_back(c.Edit(f));
  for (design::Quantity q : dtexts::kOutputQuantities) {
    chain.push_back(c.Edit(design::FieldOf(q, design::Form::Value)));
  }
  for (Field f : {Field::Edit4, Field::Edit20, Field::Edit21, Field::Edit23, Field::Edit22,
                  Field::Edit24, Field::Edit8, Field::Edit9, Field::Edit10, Field::Edit11,
                  Field::Edit12, Field::Edit28, Field::Edit29}) {
    chain.push_back(c.Edit(f));
  }
  chain.push_back(c.trackBar1);
  chain.push_back(c.Edit(Field::Edit25));
  chain.push_back(c.Edit(Field::Edit26));
  chain.push_back(c.button1);
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace

FormControls BuildForm(QMainWindow& window) {
  FormControls c;
  c.client = new QWidget(&window);
  c.client->setObjectName("ClientArea");
  c.client->setFixedSize(kClientWidth, kClientHeight);
  c.client->setFont(DefaultFont());
  window.setCentralWidget(c.client);

  BuildInputs(c);
  BuildOutputs(c);
  BuildNomograms(c);
  BuildLoadCharacteristic(c);

  c.button1 = new QPushButton(c.client);
  Follow(window, c.button1, [b = c.button1] { b->setText(T(texts::kCalculateButton)); });
  c.button1->setObjectName("Button1");
  c.button1->setGeometry(720, 104, 73, 26);
  c.button1->setFont(ButtonFont());
  QPalette black = c.button1->palette();
  black.setColor(QPalette::ButtonText, Qt::black);
  c.button1->setPalette(black);

  BuildMenu(window, c);
  SetTabOrder(c);
  return c;
}

}  // namespace tavro::app
