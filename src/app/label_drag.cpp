// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/label_drag.cpp: a label as drag data and the drag itself.
#include "app/label_drag.h"

#include <QDrag>
#include <QLabel>
#include <QMimeData>

namespace app {

bool CarriesLabel(const QMimeData* data)
{
    return data != nullptr && data->hasFormat(QString::fromLatin1(LabelMimeType));
}

void DragLabel(QLabel& label)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(LabelMimeType), label.objectName().toUtf8());
    auto* drag = new QDrag(&label);
    drag->setMimeData(data);
    drag->setPixmap(label.grab());
    drag->setHotSpot(QPoint(0, 0));
    drag->exec(Qt::MoveAction);
    drag->deleteLater();
}

} // namespace app
