#pragma once

#include <QObject>
#include <string>
#include <vector>

// A view's page-code list: 8-bit lines of HTML (or one address). Every change emits changed(),
// which the owning view answers by showing the list.
class THtmlCode : public QObject {
    Q_OBJECT
  public:
    explicit THtmlCode(QObject* parent = nullptr);

    void Add(const std::string& line);
    void SetText(const std::vector<std::string>& lines);
    void Clear();
    const std::vector<std::string>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

  signals:
    void changed();

  private:
    std::vector<std::string> lines_;
};
