// SPDX-License-Identifier: GPL-3.0-or-later
// tests/options/recording_host.h: a stand-in for the main window that records what the notebook
// asks.
#pragma once

#include "common/failure.h"
#include "data/point_store.h"
#include "options/notebook_host.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace options_test {

class RecordingHost : public options::NotebookHost {
public:
    explicit RecordingHost(data::PointStore& points)
        : m_points(points)
    {
    }

    // How many points the data pane holds; ReadDataPane reads them into the store.
    int PointsInPane = 0;
    // Makes the reading fail as a floating-point fault in it would.
    bool ReadingFails = false;
    std::vector<std::string> Calls;
    // What the window's error box would have shown.
    std::vector<std::string> Errors;
    std::map<options::LegendLabel, QString> Captions { { options::LegendLabel::Title, "Title" },
        { options::LegendLabel::XAxis, "XAxisLabel" },
        { options::LegendLabel::YAxis, "YAxisLabel" } };

    int CountOf(const std::string& call) const
    {
        int count = 0;
        for (const std::string& made : Calls)
            count += made == call ? 1 : 0;
        return count;
    }

    void RunGuarded(const std::function<void()>& handler) override
    {
        try {
            handler();
        } catch (const common::Failure& failure) {
            Errors.push_back(failure.what());
        }
    }
    void ReadDataPane() override
    {
        Calls.push_back("ReadDataPane");
        if (ReadingFails)
            throw common::FloatingPointError(common::FloatingPointError::Kind::Overflow);
        m_points.PointCount = PointsInPane;
    }
    void RedrawGraph() override { Calls.push_back("RedrawGraph"); }
    void ShowFit() override { Calls.push_back("ShowFit"); }
    QString LegendCaption(options::LegendLabel label) const override { return Captions.at(label); }
    void SetLegendCaption(options::LegendLabel label, const QString& caption) override
    {
        Captions[label] = caption;
    }
    void SetLegendBackground(options::LegendLabel label, common::ColorValue colour) override
    {
        Calls.push_back(Name(label) + " background " + std::to_string(colour));
    }

    static std::string Name(options::LegendLabel label)
    {
        switch (label) {
        case options::LegendLabel::Title:
            return "Title";
        case options::LegendLabel::XAxis:
            return "XAxis";
        case options::LegendLabel::YAxis:
            return "YAxis";
        }
        return {};
    }

private:
    data::PointStore& m_points;
};

} // namespace options_test
