#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace zenoku {

/// Writes rows of cells as tab-separated lines (LF), or as RFC 4180 CSV records:
/// comma-separated, a field quoted when it holds a comma, a quote or a line break (its
/// quotes doubled), CRLF line ends, UTF-8 without a byte-order mark. The command line's
/// lists and every "CSVで保存…" of the windows write through it.
class TableWriter {
public:
    enum class Format { Tsv, Csv };

    TableWriter(std::ostream& out, Format format) : m_out(out), m_format(format) {}

    /// One row: any range of cells convertible to std::string_view.
    template <class Cells> void row(const Cells& cells) {
        m_line.clear();
        bool first = true;
        for (const auto& cell : cells) {
            if (!first) m_line.push_back(m_format == Format::Csv ? ',' : '\t');
            first = false;
            appendCell(std::string_view(cell));
        }
        finishRow();
    }
    void row(std::initializer_list<std::string_view> cells) { row<>(cells); }

private:
    void appendCell(std::string_view cell);
    void finishRow();

    std::ostream& m_out;
    Format m_format;
    std::string m_line;
};

} // namespace zenoku
