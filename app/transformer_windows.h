// The "Трансформатор" windows: the standard transformers nearest the last
// complete calculation, side by side with the marked one, and the winding of
// one's own transformer on a core family and flux density chosen here, with
// the wound transformer's Rtr and Ls beside the method's. Both present the
// engine's lines (design/transformer) and follow every complete
// calculation; their first line names the design and greys while stale.
#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QWidget>
#include <optional>

#include "app/design_banner.h"
#include "design/calculate.h"
#include "design/ratings/part_ratings.h"
#include "design/transformer/suggest.h"
#include "design/transformer/winding.h"

namespace tavro::app {

class CandidatesWindow : public QWidget {
  Q_OBJECT

 public:
  CandidatesWindow(char decimalSeparator, QWidget* parent);

  // The candidates for the design with the capacitor the parts list picks
  // for these mains and part choices.
  void Show(const design::Design& design, const design::ratings::SupplyConditions& mains,
            const design::ratings::PartChoices& choices);

  const std::optional<design::transformer::Suggestion>& Suggestion() const { return suggestion_; }
  const QTableWidget& Table() const { return *table_; }
  DesignBanner& Banner() { return *banner_; }

 private:
  void ShowRows();

  char separator_;
  std::optional<design::transformer::Suggestion> suggestion_;
  QLabel* need_;
  QTableWidget* table_;
  DesignBanner* banner_;
};

class WindingWindow : public QWidget {
  Q_OBJECT

 public:
  WindingWindow(char decimalSeparator, QWidget* parent);

  // Winds for the design; the family and the flux density follow the
  // design's (C cores for two limbs, its Bm) until chosen here.
  void Show(const design::Design& design, const design::ratings::PartChoices& choices);

  // What is asked for and what it gives (nothing before the first design).
  const std::optional<design::transformer::WindingRequest>& Request() const { return request_; }
  const std::optional<design::transformer::WindingResult>& Result() const { return result_; }
  const QListWidget& Lines() const { return *lines_; }
  DesignBanner& Banner() { return *banner_; }
  QComboBox& Family() { return *family_; }
  QDoubleSpinBox& Flux() { return *flux_; }

 private:
  void Rewind();
  void ShowLines();

  char separator_;
  std::optional<design::Design> design_;
  long double ambient_ = 40.0L;
  std::optional<design::transformer::WindingRequest> request_;
  std::optional<design::transformer::WindingResult> result_;
  bool familyChosen_ = false;
  bool fluxChosen_ = false;
  bool showing_ = false;  // the program, not the user, sets the choices
  QComboBox* family_;
  QDoubleSpinBox* flux_;
  QListWidget* lines_;
  DesignBanner* banner_;
};

}  // namespace tavro::app
