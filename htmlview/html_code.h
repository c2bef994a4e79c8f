#pragma once

#include <QObject>
#include <string>
#include <vector>

// A view's page-code list: 8-bit lines of HTML (or one address). Every change emits changed(),
// which the owning view answers by showing the list.
class HtmlCode : public QObject {
    Q_OBJECT
  public:
    explicit HtmlCode(QObject* parent = nullptr);

    void add(const std::string& line);
    void setText(const std::vector<std::string>& lines);
    void clear();
    const std::vector<std::string>& Lines() const { return lines_; }
    int count() const { return static_cast<int>(lines_.size()); }

  signals:
    void changed();

  private:
    std::vector<std::string> lines_;
};
