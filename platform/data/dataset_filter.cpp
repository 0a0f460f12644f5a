#include "platform/data/dataset_filter.h"

#include "platform/data/error.h"
#include "platform/data/text_ptbr.h"
#include "platform/data/value_compare.h"

#include <cctype>
#include <charconv>

namespace vq {

namespace {

enum class Op { Eq, Ne, Lt, Gt, Le, Ge };

struct Operand {
    bool isField = false;
    std::string name;
    int index = -1;
    Variant literal;
};

enum class Tok { End, Name, Text, Number, Op, LParen, RParen };

struct Token {
    Tok kind = Tok::End;
    std::string text;
    std::size_t pos = 0;
};

bool isNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool keyword(const Token& t, std::string_view word) {
    if (t.kind != Tok::Name || t.text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(t.text[i])) != word[i])
            return false;
    return true;
}

bool compareOp(Op op, int c) {
    switch (op) {
    case Op::Eq:
        return c == 0;
    case Op::Ne:
        return c != 0;
    case Op::Lt:
        return c < 0;
    case Op::Gt:
        return c > 0;
    case Op::Le:
        return c <= 0;
    case Op::Ge:
        return c >= 0;
    }
    return false;
}

} // namespace

struct FilterExpression::Node {
    enum class Kind { Or, And, Not, Compare, IsNull, IsNotNull } kind = Kind::Compare;
    int left = -1;
    int right = -1;
    Op op = Op::Eq;
    Operand a, b;
};

namespace {

class Parser {
public:
    Parser(std::string_view text, std::vector<FilterExpression::Node>& nodes) : text_(text), nodes_(nodes) {
        advance();
    }

    void parseAll() {
        parseOr();
        if (tok_.kind != Tok::End)
            fail("fim da expressão esperado");
    }

private:
    using Node = FilterExpression::Node;

    [[noreturn]] void fail(const std::string& what) const {
        throw Error("Filtro inválido na posição " + std::to_string(tok_.pos + 1) + ": " + what + ".");
    }

    int add(Node n) {
        nodes_.push_back(std::move(n));
        return static_cast<int>(nodes_.size()) - 1;
    }

    int parseOr() {
        int left = parseAnd();
        while (keyword(tok_, "OR")) {
            advance();
            Node n;
            n.kind = Node::Kind::Or;
            n.left = left;
            n.right = parseAnd();
            left = add(std::move(n));
        }
        return left;
    }

    int parseAnd() {
        int left = parseUnary();
        while (keyword(tok_, "AND")) {
            advance();
            Node n;
            n.kind = Node::Kind::And;
            n.left = left;
            n.right = parseUnary();
            left = add(std::move(n));
        }
        return left;
    }

    int parseUnary() {
        if (keyword(tok_, "NOT")) {
            advance();
            Node n;
            n.kind = Node::Kind::Not;
            n.left = parseUnary();
            return add(std::move(n));
        }
        if (tok_.kind == Tok::LParen) {
            advance();
            const int inner = parseOr();
            if (tok_.kind != Tok::RParen)
                fail("')' esperado");
            advance();
            return inner;
        }
        Node n;
        n.a = parseOperand();
        if (keyword(tok_, "IS")) {
            advance();
            n.kind = Node::Kind::IsNull;
            if (keyword(tok_, "NOT")) {
                advance();
                n.kind = Node::Kind::IsNotNull;
            }
            if (!keyword(tok_, "NULL"))
                fail("NULL esperado");
            advance();
            return add(std::move(n));
        }
        if (tok_.kind != Tok::Op)
            fail("operador de comparação esperado");
        static constexpr std::pair<std::string_view, Op> kOps[] = {
            {"=", Op::Eq}, {"<>", Op::Ne}, {"!=", Op::Ne}, {"<", Op::Lt},
            {">", Op::Gt}, {"<=", Op::Le}, {">=", Op::Ge}};
        for (const auto& [text, op] : kOps)
            if (tok_.text == text)
                n.op = op;
        advance();
        n.b = parseOperand();
        n.kind = Node::Kind::Compare;
        return add(std::move(n));
    }

    Operand parseOperand() {
        Operand o;
        switch (tok_.kind) {
        case Tok::Name:
            if (keyword(tok_, "NULL")) {
                advance();
                return o;
            }
            [[fallthrough]];
        case Tok::Text:
            if (tok_.kind == Tok::Name) {
                o.isField = true;
                o.name = tok_.text;
            } else {
                o.literal = tok_.text;
            }
            break;
        case Tok::Number: {
            std::int64_t i = 0;
            const auto* end = tok_.text.data() + tok_.text.size();
            if (auto r = std::from_chars(tok_.text.data(), end, i); r.ec == std::errc{} && r.ptr == end) {
                o.literal = i;
            } else {
                double d = 0;
                auto rd = std::from_chars(tok_.text.data(), end, d);
                if (rd.ec != std::errc{} || rd.ptr != end)
                    fail("número inválido");
                o.literal = d;
            }
            break;
        }
        default:
            fail("campo ou valor esperado");
        }
        advance();
        return o;
    }

    void advance() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        tok_ = Token{Tok::End, {}, pos_};
        if (pos_ >= text_.size())
            return;
        const char c = text_[pos_];
        if (isNameStart(c)) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && isNameChar(text_[pos_]))
                ++pos_;
            tok_ = {Tok::Name, std::string(text_.substr(start, pos_ - start)), start};
        } else if (c == '[') {
            const std::size_t close = text_.find(']', pos_);
            if (close == std::string_view::npos)
                fail("']' esperado");
            tok_ = {Tok::Name, std::string(text_.substr(pos_ + 1, close - pos_ - 1)), pos_};
            pos_ = close + 1;
        } else if (c == '\'') {
            tok_.kind = Tok::Text;
            for (++pos_;; ++pos_) {
                if (pos_ >= text_.size())
                    fail("texto sem aspa final");
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        tok_.text.push_back('\'');
                        ++pos_;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                tok_.text.push_back(text_[pos_]);
            }
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.') {
            const std::size_t start = pos_++;
            while (pos_ < text_.size() &&
                   (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.'))
                ++pos_;
            tok_ = {Tok::Number, std::string(text_.substr(start, pos_ - start)), start};
        } else if (c == '(' || c == ')') {
            tok_.kind = c == '(' ? Tok::LParen : Tok::RParen;
            ++pos_;
        } else if (c == '=' || c == '<' || c == '>' || c == '!') {
            const std::size_t start = pos_++;
            if (pos_ < text_.size() && (text_[pos_] == '=' || (c == '<' && text_[pos_] == '>')))
                ++pos_;
            tok_ = {Tok::Op, std::string(text_.substr(start, pos_ - start)), start};
            if (tok_.text == "!")
                fail("operador inválido");
        } else {
            fail("caractere inesperado '" + std::string(1, c) + "'");
        }
    }

    std::string_view text_;
    std::vector<FilterExpression::Node>& nodes_;
    std::size_t pos_ = 0;
    Token tok_;
};

Variant operandValue(const Operand& o, const std::function<Variant(int)>& valueOf) {
    return o.isField ? valueOf(o.index) : o.literal;
}

// Brings a text literal to the kind of the value it is compared with, where it reads as one.
Variant alignLiteral(const Variant& literal, const Variant& other) {
    if (!literal.is(VariantKind::String))
        return literal;
    if (other.is(VariantKind::DateTime))
        if (const auto dt = parseDateTime(literal.asString()))
            return *dt;
    return literal;
}

bool isNullLiteral(const Operand& o) {
    return !o.isField && o.literal.isNull();
}

bool compare(Op op, const Variant& x, const Variant& y, bool yIsLiteral, bool nullTest) {
    if (x.isNull() || y.isNull()) {
        if (!nullTest)
            return false; // comparing with a missing value says nothing
        return op == Op::Eq ? x.isNull() && y.isNull() : (op == Op::Ne && x.isNull() != y.isNull());
    }
    if (yIsLiteral && (op == Op::Eq || op == Op::Ne) && y.is(VariantKind::String) &&
        x.is(VariantKind::String) && y.asString().ends_with('*')) {
        const std::string_view key = std::string_view(y.asString()).substr(0, y.asString().size() - 1);
        return textMatches(x.asString(), key, false, true) == (op == Op::Eq);
    }
    return compareOp(op, compareValues(x, y));
}

} // namespace

FilterExpression::FilterExpression() = default;
FilterExpression::~FilterExpression() = default;

std::unique_ptr<FilterExpression> FilterExpression::parse(std::string_view text) {
    std::unique_ptr<FilterExpression> expr(new FilterExpression());
    Parser(text, expr->nodes_).parseAll();
    return expr;
}

void FilterExpression::bind(const std::function<int(std::string_view)>& indexOf) {
    for (Node& n : nodes_)
        for (Operand* o : {&n.a, &n.b})
            if (o->isField) {
                o->index = indexOf(o->name);
                if (o->index < 0)
                    throw Error("Filtro: campo " + o->name + " não encontrado.");
            }
}

bool FilterExpression::evaluate(const std::function<Variant(int)>& valueOf) const {
    // Children always precede their parent, so one pass from the first node computes the root last.
    std::vector<char> result(nodes_.size(), 0);
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        const Node& n = nodes_[i];
        const auto child = [&](int k) { return result[static_cast<std::size_t>(k)] != 0; };
        bool r = false;
        switch (n.kind) {
        case Node::Kind::Or:
            r = child(n.left) || child(n.right);
            break;
        case Node::Kind::And:
            r = child(n.left) && child(n.right);
            break;
        case Node::Kind::Not:
            r = !child(n.left);
            break;
        case Node::Kind::IsNull:
            r = operandValue(n.a, valueOf).isNull();
            break;
        case Node::Kind::IsNotNull:
            r = !operandValue(n.a, valueOf).isNull();
            break;
        case Node::Kind::Compare: {
            Variant x = operandValue(n.a, valueOf), y = operandValue(n.b, valueOf);
            if (n.a.isField && !n.b.isField)
                y = alignLiteral(y, x);
            else if (n.b.isField && !n.a.isField)
                x = alignLiteral(x, y);
            r = compare(n.op, x, y, !n.b.isField, isNullLiteral(n.a) || isNullLiteral(n.b));
            break;
        }
        }
        result[i] = r ? 1 : 0;
    }
    return !result.empty() && result.back() != 0;
}

} // namespace vq
