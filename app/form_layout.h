// The controls of the main window, built at their fixed pixel positions
// (96 dpi) with their names, texts, fonts and tab order.
#pragma once

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "app/track_bar.h"
#include "design/window.h"

namespace tavro::app {

inline constexpr int kClientWidth = 896;
inline constexpr int kClientHeight = 689;

struct FormControls {
  QWidget* client = nullptr;
  std::array<QLineEdit*, 29> edits{};  // Edit1 ... Edit29
  QLabel* label37 = nullptr;
  std::array<QGroupBox*, 4> groups{};  // GroupBox1 ... GroupBox4
  QRadioButton* radioButton1 = nullptr;
  QRadioButton* radioButton2 = nullptr;
  QPushButton* button1 = nullptr;
  TrackBar* trackBar1 = nullptr;
  QAction* n3 = nullptr;  // "Сохранить данные..."
  QAction* n4 = nullptr;  // "Выход"
  QAction* n5 = nullptr;  // "О программе..."
  QAction* n7 = nullptr;  // "Нагрузочная характеристика..."
  QAction* n8 = nullptr;  // "Форма тока вентиля..."

  QLineEdit* Edit(design::Field field) const { return edits[static_cast<int>(field) - 1]; }
  QGroupBox* Group(design::Group group) const { return groups[static_cast<int>(group) - 1]; }
};

// Builds the client area, the menu bar and the tab order into the window.
FormControls BuildForm(QMainWindow& window);

}  // namespace tavro::app
