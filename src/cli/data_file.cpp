// src/cli/data_file.cpp: reading a stream whole, and a data file's bytes as the pane's text.
#include "cli/data_file.h"

#include "data/data_text_file.h"

#include <fstream>
#include <ios>

namespace cli {

std::string ReadAll(std::istream& stream) { return data::ReadDataFileBytes(stream); }

std::optional<std::string> ReadFileBytes(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return std::nullopt;
    // The file buffer throws when a read fails, as it does on a folder.
    try {
        return ReadAll(file);
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

std::string DataTextFromFileBytes(std::string_view bytes)
{
    return data::PaneTextFromFileBytes(bytes).Text;
}

} // namespace cli
