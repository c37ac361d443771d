// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/help_texts.cpp: the keys table and the About text of the Help menu.
#include "app/help_texts.h"

#include "common/version.h"

#include <QStringList>
#include <QtGlobal>

#include <boost/version.hpp>
#include <gmp.h>
#include <mpfr.h>

#include <utility>
#include <vector>

namespace app {

namespace {

    QString Table(const std::vector<std::pair<QString, QString>>& rows)
    {
        QString table = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\">");
        for (const auto& [left, right] : rows)
            table += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                         .arg(left.toHtmlEscaped(), right.toHtmlEscaped());
        return table + QStringLiteral("</table>");
    }

    // BOOST_LIB_VERSION writes 1.74 as "1_74".
    QString BoostVersion() { return QString::fromLatin1(BOOST_LIB_VERSION).replace('_', '.'); }

} // namespace

QString KeysText()
{
    return Table({
        { QStringLiteral("Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S"),
            QStringLiteral("File: New, Open, Save, Save As") },
        { QStringLiteral("Ctrl+P, Ctrl+Q"), QStringLiteral("File: Print, Exit") },
        { QStringLiteral("Ctrl+Return"),
            QStringLiteral("Fit with the current options (the Show of the options notebook), "
                           "from anywhere in the window") },
        { QStringLiteral("Alt+T, Alt+D"),
            QStringLiteral("The options notebook on its Titles or Fit Data page") },
        { QStringLiteral("Tab, Shift+Tab"),
            QStringLiteral("The next or previous control of the notebook's page") },
        { QStringLiteral("Escape"),
            QStringLiteral("Closes the options notebook; the keys go back to the data pane") },
        { QStringLiteral("F1"), QStringLiteral("This table of keys") },
    });
}

QString AboutText()
{
    const QString heading = QStringLiteral("<h3>Varnekworks %1</h3>")
                                .arg(QString::fromLatin1(common::ProgramVersion));
    const QString purpose = QStringLiteral(
        "<p>A workbench for fitting curves to measured data: straight lines, polynomials, power "
        "laws and exponentials by linear least squares, with the uncertainties of the fitted "
        "constants.</p>");
    const QString licence
        = QStringLiteral("<p>Licence: %1, the GNU General Public License, version 3 or any later "
                         "version. There is no warranty.</p>")
              .arg(QString::fromLatin1(common::ProgramLicence));
    const QString libraries = QStringLiteral("<p>It runs on these libraries:</p>")
        + Table({
            { QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())),
                QStringLiteral("the window, drawing, printing and graph files") },
            { QStringLiteral("Boost %1").arg(BoostVersion()),
                QStringLiteral("Math and Multiprecision: wide arithmetic for fits that need it") },
            { QStringLiteral("GNU MPFR %1").arg(QString::fromLatin1(mpfr_get_version())),
                QStringLiteral("correctly rounded wide floating point") },
            { QStringLiteral("GNU MP %1").arg(QString::fromLatin1(gmp_version)),
                QStringLiteral("the integers beneath MPFR") },
        });
    return heading + purpose + licence + libraries;
}

} // namespace app
