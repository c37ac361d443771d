// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/file_drop_filter.cpp: drags of local files onto the window, taken before any widget.
#include "app/file_drop_filter.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace app {

namespace {

    // The first local file a drag carries; empty when it carries none.
    QString DraggedFile(const QMimeData* source)
    {
        if (source == nullptr || !source->hasUrls())
            return {};
        for (const QUrl& url : source->urls())
            if (url.isLocalFile())
                return url.toLocalFile();
        return {};
    }

} // namespace

FileDropFilter::FileDropFilter(QWidget& window, std::function<void(const QString& path)> openFile)
    : QObject(&window)
    , m_window(window)
    , m_openFile(std::move(openFile))
{
    // The window itself takes drops where no child does, so every part of it can be a target.
    window.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &m_window)
        return false;
    auto& drop = static_cast<QDropEvent&>(*event);
    const QString path = DraggedFile(drop.mimeData());
    if (path.isEmpty())
        return false;
    drop.setDropAction(Qt::CopyAction);
    drop.accept();
    // Opened after the drop has ended: a dialog must not run inside the drag's own loop.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { m_openFile(path); });
    return true;
}

} // namespace app
