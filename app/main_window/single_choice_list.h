#pragma once

#include <QListWidget>

// A list in which one entry is always chosen once one has been: Ctrl with a click or with Space
// on the chosen entry keeps it chosen instead of leaving the list without a choice, while the
// window still names that entry and acts on it.
class SingleChoiceList : public QListWidget {
    Q_OBJECT
  public:
    explicit SingleChoiceList(QWidget* parent = nullptr);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
};
