// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>

namespace Ui {
class AboutForm;
}

namespace aerolume {

class WindowRegistry;

// The About window, "About": the product's name, version and picture, and a "Close"
// button. Closing it in either way (Close or the close box) shows the launcher again.
// Enter in its unlabelled field Text1, when the field holds exactly "hi", opens the
// credits window "Surprise" beside it.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(WindowRegistry& registry);
    ~AboutWindow() override;

    // The notice line under the picture.
    static QString noticeLine();

    // The airport data's credit (its sources, dates and licences), in a small label of
    // its own under the notice line, out of the tab order; none when empty.
    void setDataCredit(const QString& credit);

    void Text1_KeyPress(int& keyAscii);
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();

    std::unique_ptr<Ui::AboutForm> m_ui;
    QLabel* m_dataCredit = nullptr;
    WindowRegistry& m_registry;
};

}  // namespace aerolume
