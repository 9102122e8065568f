#include "results/TableWriter.h"

namespace zenoku {

void TableWriter::appendCell(std::string_view cell) {
    if (m_format != Format::Csv || cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        m_line += cell;
        return;
    }
    m_line.push_back('"');
    for (char ch : cell) {
        if (ch == '"') m_line.push_back('"');
        m_line.push_back(ch);
    }
    m_line.push_back('"');
}

void TableWriter::finishRow() {
    m_line += m_format == Format::Csv ? "\r\n" : "\n";
    m_out << m_line;
}

} // namespace zenoku
