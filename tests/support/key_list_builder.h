// Builds function list files (key.lst): the magic, the header with the
// byte sizes and counts of the three tables, then the Action, Edit and Oper
// tables of 160-byte entries (code, 30-byte name, 128-byte description).
//
//     KeyListBuilder().Action({"Enter", "Clear"}).Oper({"Print"}).Build()
//
// Each entry's code is its index and its description is empty. A name of
// 30 characters or more runs on into the description field, as a damaged
// file's would.
#pragma once

#include <string>
#include <vector>

#include "tool_runner.h"

class KeyListBuilder {
public:
    KeyListBuilder& Action(const std::vector<std::string>& names);
    KeyListBuilder& Edit(const std::vector<std::string>& names);
    KeyListBuilder& Oper(const std::vector<std::string>& names);
    // Replaces the 24-byte magic area "Tarnu Keylist V1.00" and five blanks
    // (a shorter text is zero-padded).
    KeyListBuilder& Magic(const std::string& text);

    Bytes Build() const;

private:
    std::string magic_ = "Tarnu Keylist V1.00     ";
    std::vector<std::string> tables_[3];
};
