// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/import_table_dialog.h: the Import Table dialog: a table's first rows, how it is
// written (each setting detected and changeable), its x and y columns, and what OK gives.
#pragma once

#include "data/point_store.h"
#include "data/table_reader.h"

#include <QDialog>
#include <QString>

#include <string>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace app {

// Reads the table again at every change, with the settings the user changed kept and the
// others detected (data::ReadTable). The controls carry object names (DelimiterBox,
// HeaderRowsBox, CommentBox, DecimalSeparatorBox, XColumnBox, YColumnBox, Preview,
// SummaryLabel, Buttons) for tests that drive it.
class ImportTableDialog : public QDialog {
    Q_OBJECT

public:
    // text: the table file's text (UTF-8, any line breaks); fileName: its name for the title;
    // paneDecimalSeparator: the separator the data pane reads with.
    ImportTableDialog(std::string text, const QString& fileName, std::string paneDecimalSeparator,
        QWidget* parent = nullptr);

    // The data pane's lines of every point read with the current choices
    // (data::PaneTextOfPoints with the pane's separator).
    std::string PaneText() const;
    // What OK gives, as the dialog's last line says it: "412 points; rows 18 and 40 are left
    // out: ...", and "the first 600 of 1240 points are used" where the window uses fewer. OK
    // is enabled when there is a point and the points' lines fit the data pane.
    QString Summary() const;

private:
    void CreateControls(const QString& fileName);
    // Reads the table with the current choices and shows the result in every control.
    void Reread();
    void ShowSettings();
    void ShowColumns();
    void ShowPreview();

    std::string m_text;
    std::string m_paneDecimalSeparator;
    // The settings the user chose; the others are detected at each reading.
    data::TableFormat m_given;
    data::TableColumns m_columns;
    data::TableReading m_reading;
    data::PointStore m_points;
    // The points' lines fit the data pane (data::MemoCapacity).
    bool m_fitsPane = true;

    QComboBox* m_delimiter = nullptr;
    QSpinBox* m_headerRows = nullptr;
    QLineEdit* m_comment = nullptr;
    QComboBox* m_decimalSeparator = nullptr;
    QComboBox* m_xColumn = nullptr;
    QComboBox* m_yColumn = nullptr;
    QTableWidget* m_preview = nullptr;
    QLabel* m_summary = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace app
