// Binding of the mapping table to the grid.
#include "mappings/data_source.h"

namespace mappings {
namespace {

ui::Alignment ToUi(Alignment alignment) {
  switch (alignment) {
    case Alignment::kCenter: return ui::Alignment::Center;
    case Alignment::kRight: return ui::Alignment::Right;
    case Alignment::kLeft: break;
  }
  return ui::Alignment::Left;
}

// The grid's peer measures in the grid's own font.
class PeerMeasurer : public TextMeasurer {
 public:
  explicit PeerMeasurer(const ui::TextMeasure& measure) : measure_(measure) {}
  int TextWidth(std::string_view text) const override { return measure_.TextWidth(text); }

 private:
  const ui::TextMeasure& measure_;
};

}  // namespace

DataSource::DataSource(std::string name, MemoryData& table)
    : Component(std::move(name)), table_(table), model_(table) {
  table_.AddObserver(*this);
}

DataSource::~DataSource() {
  table_.RemoveObserver(*this);
  if (grid_ != nullptr) grid_->SetSource(nullptr);
}

void DataSource::Bind(ui::Grid& grid) {
  grid_ = &grid;
  grid.SetSource(this);
}

void DataSource::Detach(ui::Grid& grid) {
  if (grid_ == &grid) grid_ = nullptr;
}

ui::GridColumnView DataSource::Column(int column, const ui::TextMeasure& measure) const {
  const GridColumn& c = GridModel::Column(column);
  return {std::string(c.title), ToUi(c.title_alignment), ColumnWidth(c, PeerMeasurer(measure)),
          ToUi(c.cell_alignment)};
}

void DataSource::TableChanged() {
  if (grid_ != nullptr) grid_->DataChanged();
}

void DataSource::CursorMoved() {
  if (grid_ != nullptr) grid_->CurrentRowChanged();
}

}  // namespace mappings
