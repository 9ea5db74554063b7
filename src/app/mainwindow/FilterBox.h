#pragma once
// The column filter drop-down (filter_box): the values of a date, track, name or team column,
// dropped down over the title cell that was clicked; it hides itself when closed.

#include <QComboBox>

namespace qor {
class MainSession;
}

namespace qor::app {

class FilterBox : public QComboBox {
    Q_OBJECT
  public:
    FilterBox(const MainSession& session, QWidget* parent);

    // Fills the box from the core filter's items and drops it down at x in its parent.
    void Open(int x, int y, int width);
    void hidePopup() override;

  signals:
    // The user chose entry `index`.
    void chosen(int index);

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    const MainSession& session_;
    bool delegateSet_ = false;
};

} // namespace qor::app
