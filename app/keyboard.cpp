#include "app/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

#include "app/interface_language.h"
#include "app/qt_text.h"

namespace tavro::app {
namespace {

using design::Field;

constexpr Field kInputs[] = {Field::Edit1, Field::Edit2, Field::Edit3, Field::Edit5, Field::Edit6};

bool IsEnter(const QKeyEvent& key) {
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
         (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// An Alt combination with a printable key: Ctrl+Alt is AltGr on some
// keyboards and types characters, so it is left alone.
bool IsAltTyping(const QKeyEvent& key) {
  const Qt::KeyboardModifiers mods = key.modifiers();
  return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key.text().isEmpty() &&
         key.text().at(0).isPrint();
}

class KeyFilter : public QObject {
 public:
  KeyFilter(QObject* parent, std::function<void()> calculate)
      : QObject(parent), calculate_(std::move(calculate)) {}

  // Inputs: Enter calculates. Every field: Alt never types.
  void WatchInput(QWidget* input) {
    inputs_.insert(input);
    input->installEventFilter(this);
  }
  void WatchField(QWidget* field) { field->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsAltTyping(key)) return true;
    if (IsEnter(key) && inputs_.contains(static_cast<QWidget*>(watched))) {
      calculate_();
      return true;
    }
    return false;
  }

 private:
  std::function<void()> calculate_;
  QSet<QWidget*> inputs_;
};

// Alt pressed and released on its own opens the first menu, as F10 does.
class AltAlone : public QObject {
 public:
  AltAlone(QMainWindow& window, std::function<void()> open)
      : QObject(&window), window_(window), open_(std::move(open)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        armed_ = key.key() == Qt::Key_Alt && !key.isAutoRepeat() && window_.isActiveWindow() &&
                 QApplication::activePopupWidget() == nullptr;
        break;
      }
      case QEvent::ShortcutOverride: {
        // Alt+letter reaches the menu bar's mnemonic as a shortcut, never as
        // a key press: the Alt that comes up after it is not Alt alone.
        if (static_cast<const QKeyEvent&>(*event).key() != Qt::Key_Alt) armed_ = false;
        break;
      }
      case QEvent::Shortcut:
        armed_ = false;
        break;
      case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (armed_ && key.key() == Qt::Key_Alt && QApplication::activePopupWidget() == nullptr) {
          // Once the release has been delivered, so it does not close the menu.
          armed_ = false;
          QTimer::singleShot(0, &window_, open_);
          return true;
        }
        break;
      }
      case QEvent::MouseButtonPress:
        armed_ = false;
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QMainWindow& window_;
  std::function<void()> open_;
  bool armed_ = false;
};

}  // namespace

QString WithMnemonic(std::string_view text, int at) {
  QString shown = T(text);
  if (shown != Q(text)) return shown;
  shown.insert(at, QLatin1Char('&'));
  return shown;
}

void ShowWithMnemonic(QWidget& window, QAction* item, std::string_view text, int at) {
  Follow(window, item, [item, text, at] { item->setText(WithMnemonic(text, at)); });
}

void InstallKeyboardFlow(QMainWindow& window, const FormControls& c,
                         std::function<void()> calculate) {
  auto* filter = new KeyFilter(&window, std::move(calculate));
  for (Field f : kInputs) filter->WatchInput(c.Edit(f));
  filter->WatchInput(c.radioButton1);
  filter->WatchInput(c.radioButton2);
  for (QLineEdit* edit : c.edits) {
    filter->WatchField(edit);
    // Results: a click still focuses and selects, Tab passes them by.
    if (edit->isReadOnly()) edit->setFocusPolicy(Qt::ClickFocus);
  }
  // Enter (and Space) on the focused button press it.
  c.button1->setAutoDefault(true);
  c.trackBar1->setFocusPolicy(Qt::StrongFocus);

  // F10, or Alt on its own, opens the first menu, as in most desktop programs.
  const auto openMenu = [&window] {
    QMenuBar* bar = window.menuBar();
    if (!bar->actions().isEmpty()) {
      bar->setFocus(Qt::MenuBarFocusReason);
      bar->setActiveAction(bar->actions().first());
    }
  };
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
  QObject::connect(f10, &QShortcut::activated, &window, openMenu);
  qApp->installEventFilter(new AltAlone(window, openMenu));
}

}  // namespace tavro::app
