#pragma once

// A long list's report whose people come a few at a time while it is laid
// out, as the program reads a long list, from report data made whole.

#include "reports/ReportData.h"

#include <memory>

namespace pw::test {

// Hands a list's people to its report a few at a time, each with their
// contacts, as the program reads a long list while laying it out.
class SliceFeed : public reports::ListFeed {
public:
    SliceFeed(reports::ReportData whole, std::size_t slice)
        : m_whole(std::move(whole))
        , m_slice(slice)
    {
    }
    bool readMore(reports::ReportData& data) override
    {
        if (m_next >= m_whole.main.rows.size())
            return false;
        for (const std::size_t end = std::min(m_next + m_slice, m_whole.main.rows.size()); m_next < end; ++m_next) {
            data.main.rows.push_back(std::as_const(m_whole.main.rows)[m_next]);
            for (const QVariantList& contact : m_whole.sub.rows)
                if (contact.value(0) == m_whole.main.value(m_next, QStringLiteral("ID")))
                    data.sub.rows.push_back(contact);
        }
        return true;
    }
    int total() const override { return static_cast<int>(m_whole.main.rows.size()); }

private:
    reports::ReportData m_whole;
    std::size_t m_slice;
    std::size_t m_next = 0;
};

inline reports::ReportData fedData(const reports::ReportData& whole)
{
    reports::ReportData d;
    d.design = whole.design;
    d.churchName = whole.churchName;
    d.printedOn = whole.printedOn;
    d.main.fields = whole.main.fields;
    d.sub.fields = whole.sub.fields;
    d.feed = std::make_shared<SliceFeed>(whole, 7);
    return d;
}

} // namespace pw::test
