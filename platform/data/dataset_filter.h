#pragma once
// The small expression language of a dataset's Filter:
//   expr    := and { OR and }          and := unary { AND unary }       unary := NOT unary | primary
//   primary := '(' expr ')' | operand IS [NOT] NULL | operand op operand
//   op      := = | <> | != | < | > | <= | >=
//   operand := FIELD | [FIELD NAME] | 'text' ('' inside is a quote) | number (dot decimal) | NULL
// Keywords ignore case. "= NULL" / "<> NULL" test for null; any other comparison with null is false.
// A text literal ending in '*' compared with = or <> matches a prefix. A date field compares with a
// 'dd/mm/yyyy' literal as a date; other mixes of kinds compare as text.

#include "platform/data/variant.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

class FilterExpression {
public:
    // Error with the position when the text does not parse.
    static std::unique_ptr<FilterExpression> parse(std::string_view text);
    ~FilterExpression();

    // Resolves field names to indexes; indexOf returns -1 for an unknown name (Error naming it).
    void bind(const std::function<int(std::string_view)>& indexOf);
    bool evaluate(const std::function<Variant(int)>& valueOf) const;

    struct Node;

private:
    FilterExpression();
    std::vector<Node> nodes_; // nodes_.back() is the root
};

} // namespace vq
