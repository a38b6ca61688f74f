#include "toolkit/pattern_program.h"

#include <string>
#include <utility>

#include "toolkit/pattern_error.h"
#include "toolkit/pattern_syntax.h"

namespace ardotk {

namespace {

class Compiler {
public:
    Compiler(PatternProgram& program, bool backtracking)
        : program_(program), backtracking_(backtracking) {}

    void node(const PatternNode& n) {
        switch (n.kind) {
            case NodeKind::Empty:
                return;
            case NodeKind::Char:
                emit(Op::Char).ch = n.ch;
                return;
            case NodeKind::Class:
                emit(Op::Class).x = n.charClass;
                return;
            case NodeKind::Sequence:
                for (const PatternNode& child : n.children) {
                    node(child);
                }
                return;
            case NodeKind::Alternation:
                alternation(n);
                return;
            case NodeKind::Repeat:
                repeat(n);
                return;
            case NodeKind::Group:
                group(n);
                return;
            case NodeKind::Lookahead:
                lookahead(n);
                return;
            case NodeKind::Backreference:
                emit(Op::Backreference).x = n.number;
                return;
            case NodeKind::LineBegin:
                emit(Op::LineBegin);
                return;
            case NodeKind::LineEnd:
                emit(Op::LineEnd);
                return;
            case NodeKind::WordBoundary:
                emit(Op::WordBoundary);
                return;
            case NodeKind::NotWordBoundary:
                emit(Op::NotWordBoundary);
                return;
        }
    }

    Instruction& emit(Op op) {
        if (program_.code.size() >= kMaxPatternInstructions) {
            throw PatternError("pattern too large: over " +
                               std::to_string(kMaxPatternInstructions) +
                               " instructions once repetitions are unrolled");
        }
        program_.code.emplace_back();
        program_.code.back().op = op;
        return program_.code.back();
    }

private:
    int here() const { return static_cast<int>(program_.code.size()); }

    // Split whose preferred branch is the next instruction and whose other branch is
    // patched later; a lazy split prefers the other branch.
    int split(bool greedy) {
        const int at = here();
        emit(Op::Split);
        program_.code[at].negative = !greedy;
        return at;
    }

    void patchSplit(int at, int other) {
        Instruction& s = program_.code[at];
        const bool lazy = s.negative;
        s.negative = false;
        s.x = lazy ? other : at + 1;
        s.y = lazy ? at + 1 : other;
    }

    void alternation(const PatternNode& n) {
        std::vector<int> jumps;
        for (std::size_t i = 0; i < n.children.size(); ++i) {
            const bool last = i + 1 == n.children.size();
            const int s = last ? -1 : split(true);
            node(n.children[i]);
            if (!last) {
                jumps.push_back(here());
                emit(Op::Jump);
                patchSplit(s, here());
            }
        }
        for (int j : jumps) {
            program_.code[j].x = here();
        }
    }

    void repeat(const PatternNode& n) {
        const PatternNode& body = n.children[0];
        for (int i = 0; i < n.min; ++i) {
            const int before = here();
            node(body);
            if (here() == before) {
                break;  // the body compiles to nothing: more copies add nothing
            }
        }
        if (n.max == kUnbounded) {
            loop(body, n.greedy);
            return;
        }
        std::vector<int> splits;
        for (int i = n.min; i < n.max; ++i) {
            splits.push_back(split(n.greedy));
            node(body);
        }
        for (int s : splits) {
            patchSplit(s, here());
        }
    }

    // body*: for the backtracking matcher an iteration that consumes nothing fails,
    // which ends the loop there as the ECMAScript grammar does.
    void loop(const PatternNode& body, bool greedy) {
        const int s = split(greedy);
        const int reg = program_.loopRegisters;
        if (backtracking_) {
            ++program_.loopRegisters;
            emit(Op::Mark).x = reg;
        }
        node(body);
        if (backtracking_) {
            emit(Op::Progress).x = reg;
        }
        emit(Op::Jump).x = s;
        patchSplit(s, here());
    }

    void group(const PatternNode& n) {
        const bool save = backtracking_ && n.capturing;
        if (save) {
            emit(Op::Save).x = 2 * n.number;
        }
        node(n.children[0]);
        if (save) {
            emit(Op::Save).x = 2 * n.number + 1;
        }
    }

    void lookahead(const PatternNode& n) {
        const int start = here();
        emit(Op::LookStart).negative = n.negative;
        node(n.children[0]);
        emit(Op::LookEnd);
        program_.code[start].x = here();
    }

    PatternProgram& program_;
    bool backtracking_;
};

}  // namespace

PatternProgram compilePattern(const std::wstring& pattern) {
    ParsedPattern parsed = parsePattern(pattern);
    PatternProgram program;
    program.needsBacktracking = parsed.hasBackreference || parsed.hasLookahead;
    program.captureSlots = 2 * (parsed.groupCount + 1);
    Compiler compiler(program, program.needsBacktracking);
    compiler.node(parsed.root);
    compiler.emit(Op::Match);
    program.classes = std::move(parsed.classes);
    return program;
}

}  // namespace ardotk
