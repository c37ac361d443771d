// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/file_drop_filter.h: files dragged onto the window are opened, never typed into a pane.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace app {

// Watches the application's drag and drop events for the widgets of one window: a drag that
// carries a local file is taken wherever it is dropped on that window (the panes' editors
// included, which would type its address), and the first file is handed to openFile once the
// drop is over. Other drags (a dragged label, text between editors) pass on untouched.
class FileDropFilter : public QObject {
    Q_OBJECT

public:
    FileDropFilter(QWidget& window, std::function<void(const QString& path)> openFile);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void(const QString& path)> m_openFile;
};

} // namespace app
