#include "platform/ui/rc_reader.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>

#include "platform/profile/profile_document.h"

namespace platform::ui {
namespace {

using profile::NamesEqual;

struct Token {
  enum Kind { Name, Number, String, Punct, End } kind = End;
  std::string text;  // name, string contents, or the punctuation character
  long long number = 0;
  std::string file;
  int line = 0;
};

struct ReadError {
  std::string message;
};

std::string Where(const std::string& file, int line) {
  return file + ":" + std::to_string(line) + ": ";
}

// Turns the files into one stream of tokens, carrying out the preprocessor
// lines on the way.
class Tokenizer {
 public:
  Tokenizer(const std::vector<SourceFile>& files,
            std::map<std::string, std::vector<Token>>& defines)
      : files_(files), defines_(defines) {}

  std::optional<ReadError> run(const std::string& fileName, std::vector<Token>& out, int depth = 0);

 private:
  const SourceFile* findFile(const std::string& name) const;
  std::optional<ReadError> directive(const std::string& file, int line, const std::string& text,
                                     std::vector<Token>& out, int depth);
  static std::optional<ReadError> lex(const std::string& file, int line, const std::string& text,
                                      std::vector<Token>& out);

  const std::vector<SourceFile>& files_;
  std::map<std::string, std::vector<Token>>& defines_;
};

const SourceFile* Tokenizer::findFile(const std::string& name) const {
  std::string base = name.substr(name.find_last_of("\\/") + 1);
  for (const SourceFile& file : files_) {
    if (NamesEqual(file.name, name) || NamesEqual(file.name, base)) return &file;
  }
  return nullptr;
}

std::optional<ReadError> Tokenizer::run(const std::string& fileName, std::vector<Token>& out,
                                        int depth) {
  const SourceFile* file = findFile(fileName);
  if (!file) return ReadError{"cannot find " + fileName};
  if (depth > 8) return ReadError{"#include nested too deeply at " + fileName};
  const std::string& text = file->text;
  int line = 1;
  bool inComment = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string content = text.substr(start, end - start);
    // Strip comments, keeping /* */ state across lines; strings may hold slashes.
    std::string code;
    for (size_t i = 0; i < content.size(); ++i) {
      if (inComment) {
        if (content.compare(i, 2, "*/") == 0) inComment = false, ++i;
        continue;
      }
      if (content[i] == '"') {
        size_t close = i + 1;
        while (close < content.size() && content[close] != '"')
          close += content[close] == '\\' ? 2 : 1;
        code += content.substr(i, close - i + 1);
        i = close;
        continue;
      }
      if (content.compare(i, 2, "//") == 0) break;
      if (content.compare(i, 2, "/*") == 0) {
        inComment = true, ++i;
        continue;
      }
      code += content[i];
    }
    std::string_view trimmed = profile::TrimBlanks(code);
    auto failure = (!trimmed.empty() && trimmed.front() == '#')
                       ? directive(file->name, line, std::string(trimmed), out, depth)
                       : lex(file->name, line, code, out);
    if (failure) return failure;
    start = end + 1;
    ++line;
  }
  return std::nullopt;
}

std::optional<ReadError> Tokenizer::directive(const std::string& file, int line,
                                              const std::string& text, std::vector<Token>& out,
                                              int depth) {
  std::vector<Token> words;
  if (auto failure = lex(file, line, text.substr(1), words)) return failure;
  if (words.empty() || words[0].kind != Token::Name) {
    return ReadError{Where(file, line) + "unknown directive"};
  }
  const std::string& verb = words[0].text;
  if (verb == "pragma") return std::nullopt;
  if (verb == "include") {
    if (words.size() != 2 || words[1].kind != Token::String) {
      return ReadError{Where(file, line) + "#include needs a quoted file name"};
    }
    if (auto failure = run(words[1].text, out, depth + 1)) {
      if (failure->message.rfind("cannot find", 0) == 0) {
        return ReadError{Where(file, line) + failure->message};
      }
      return failure;
    }
    return std::nullopt;
  }
  if (verb == "define") {
    if (words.size() < 2 || words[1].kind != Token::Name) {
      return ReadError{Where(file, line) + "#define needs a name"};
    }
    defines_[words[1].text] = std::vector<Token>(words.begin() + 2, words.end());
    return std::nullopt;
  }
  return ReadError{Where(file, line) + "#" + verb + " is not supported"};
}

std::optional<ReadError> Tokenizer::lex(const std::string& file, int line, const std::string& text,
                                        std::vector<Token>& out) {
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    Token token;
    token.file = file;
    token.line = line;
    if (std::isspace(c)) {
      ++i;
      continue;
    }
    if (c == '"') {
      token.kind = Token::String;
      ++i;
      for (;;) {
        if (i >= text.size()) return ReadError{Where(file, line) + "unterminated string"};
        char ch = text[i++];
        if (ch == '"') {
          if (i < text.size() && text[i] == '"') {  // "" stands for one quote
            token.text += '"';
            ++i;
            continue;
          }
          break;
        }
        if (ch == '\\' && i < text.size()) {
          char escaped = text[i++];
          if (escaped == 'n')
            token.text += '\n';
          else if (escaped == 't')
            token.text += '\t';
          else if (escaped == '\\' || escaped == '"')
            token.text += escaped;
          else
            return ReadError{Where(file, line) + "unknown escape \\" + escaped};
          continue;
        }
        token.text += ch;
      }
    } else if (std::isdigit(c)) {
      const char* begin = text.c_str() + i;
      char* stop = nullptr;
      token.kind = Token::Number;
      token.number = std::strtoll(begin, &stop, 0);
      i += size_t(stop - begin);
      while (i < text.size() &&
             (text[i] == 'L' || text[i] == 'l' || text[i] == 'U' || text[i] == 'u'))
        ++i;
      token.text = "number";
    } else if (std::isalpha(c) || c == '_') {
      token.kind = Token::Name;
      while (i < text.size() &&
             (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_')) {
        token.text += text[i++];
      }
    } else if (std::string(",|+-(){}").find(char(c)) != std::string::npos) {
      token.kind = Token::Punct;
      token.text = std::string(1, char(c));
      ++i;
    } else {
      return ReadError{Where(file, line) + "unexpected character '" + std::string(1, char(c)) +
                       "'"};
    }
    out.push_back(token);
  }
  return std::nullopt;
}

// Parses the token stream into the resource table.
class Parser {
 public:
  Parser(const std::vector<Token>& tokens, const std::map<std::string, std::vector<Token>>& defines)
      : tokens_(tokens), defines_(defines) {}

  void parse(ResourceTable& table);

 private:
  const Token& peek() const { return position_ < tokens_.size() ? tokens_[position_] : end_; }
  const Token& next();
  [[noreturn]] void fail(const std::string& message) const;
  bool isWord(const Token& token, const char* word) const {
    return token.kind == Token::Name && NamesEqual(token.text, word);
  }
  void expectPunct(char c);
  std::string expectString();
  long long expression();
  long long term();
  DWORD styleExpression(DWORD defaults);
  long long defined(const Token& name, int depth);
  void dialog(const std::string& name, ResourceTable& table);
  ControlTemplate control();

  const std::vector<Token>& tokens_;
  const std::map<std::string, std::vector<Token>>& defines_;
  size_t position_ = 0;
  Token end_;
  WORD language_ = 0;
};

const Token& Parser::next() {
  const Token& token = peek();
  if (position_ < tokens_.size()) ++position_;
  return token;
}

void Parser::fail(const std::string& message) const {
  const Token& at = peek();
  const Token& last = tokens_.empty() ? end_ : tokens_.back();
  const Token& where = at.kind == Token::End ? last : at;
  throw ReadError{Where(where.file, where.line) + message};
}

void Parser::expectPunct(char c) {
  if (peek().kind != Token::Punct || peek().text[0] != c) {
    fail(std::string("expected '") + c + "'");
  }
  next();
}

std::string Parser::expectString() {
  if (peek().kind != Token::String) fail("expected a quoted string");
  return next().text;
}

long long Parser::expression() {
  long long value = term();
  while (peek().kind == Token::Punct && (peek().text == "|" || peek().text == "+")) {
    bool isOr = next().text == "|";
    long long right = term();
    value = isOr ? (value | right) : (value + right);
  }
  return value;
}

// A control's style: the defaults, with the terms ORed in and those after NOT
// taken out, as the resource compiler reads it.
DWORD Parser::styleExpression(DWORD defaults) {
  DWORD style = defaults;
  for (;;) {
    bool remove = isWord(peek(), "NOT");
    if (remove) next();
    DWORD value = DWORD(term());
    style = remove ? (style & ~value) : (style | value);
    if (peek().kind != Token::Punct || peek().text != "|") return style;
    next();
  }
}

long long Parser::term() {
  const Token& token = next();
  if (token.kind == Token::Number) return token.number;
  if (token.kind == Token::Punct && token.text == "-") return -term();
  if (token.kind == Token::Punct && token.text == "(") {
    long long value = expression();
    expectPunct(')');
    return value;
  }
  if (token.kind == Token::Name) return defined(token, 0);
  --position_;
  fail("expected a number");
}

long long Parser::defined(const Token& name, int depth) {
  auto found = defines_.find(name.text);
  if (found == defines_.end() || depth > 8) {
    throw ReadError{Where(name.file, name.line) + "unknown name " + name.text};
  }
  Parser inner(found->second, defines_);
  long long value = inner.expression();
  if (inner.position_ != found->second.size()) {
    throw ReadError{Where(name.file, name.line) + name.text + " is not a number"};
  }
  return value;
}

void Parser::parse(ResourceTable& table) {
  while (peek().kind != Token::End) {
    if (isWord(peek(), "LANGUAGE")) {
      next();
      long long primary = expression();
      expectPunct(',');
      long long sub = expression();
      language_ = WORD((sub << 10) | primary);
      continue;
    }
    const Token& name = next();
    if (name.kind != Token::Name && name.kind != Token::Number) fail("expected a resource name");
    // A defined name stands for its number, as the preprocessor would make it.
    std::string resourceName = name.kind == Token::Number  ? std::to_string(name.number)
                               : defines_.count(name.text) ? std::to_string(defined(name, 0))
                                                           : name.text;
    if (isWord(peek(), "ICON")) {
      next();
      table.add(IconResource{resourceName, language_, expectString()});
    } else if (isWord(peek(), "DIALOG")) {
      next();
      dialog(resourceName, table);
    } else {
      fail("expected DIALOG or ICON after " + resourceName);
    }
  }
}

void Parser::dialog(const std::string& name, ResourceTable& table) {
  DialogTemplate dialog;
  dialog.name = name;
  dialog.language = language_;
  dialog.x = int(expression());
  expectPunct(',');
  dialog.y = int(expression());
  expectPunct(',');
  dialog.width = int(expression());
  expectPunct(',');
  dialog.height = int(expression());
  bool hasStyle = false;
  for (;;) {
    if (isWord(peek(), "STYLE")) {
      next();
      dialog.style = DWORD(expression());
      hasStyle = true;
    } else if (isWord(peek(), "EXSTYLE")) {
      next();
      dialog.exStyle = DWORD(expression());
    } else if (isWord(peek(), "CAPTION")) {
      next();
      dialog.caption = expectString();
    } else if (isWord(peek(), "FONT")) {
      next();
      dialog.fontSize = int(expression());
      expectPunct(',');
      dialog.fontFace = expectString();
    } else {
      break;
    }
  }
  // As the resource compiler does: a caption brings WS_CAPTION, a font DS_SETFONT.
  if (!hasStyle) dialog.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
  if (!dialog.caption.empty()) dialog.style |= WS_CAPTION;
  if (!dialog.fontFace.empty()) dialog.style |= DS_SETFONT;
  if (isWord(peek(), "BEGIN")) {
    next();
  } else {
    expectPunct('{');
  }
  while (!isWord(peek(), "END") && !(peek().kind == Token::Punct && peek().text == "}")) {
    if (peek().kind == Token::End) fail("missing END of dialog " + name);
    dialog.controls.push_back(control());
  }
  next();
  table.add(std::move(dialog));
}

ControlTemplate Parser::control() {
  if (!isWord(peek(), "CONTROL")) fail("expected CONTROL");
  next();
  ControlTemplate control;
  control.text = expectString();
  expectPunct(',');
  control.id = int(expression()) & 0xFFFF;
  expectPunct(',');
  control.className = expectString();
  expectPunct(',');
  control.style = styleExpression(WS_CHILD | WS_VISIBLE);
  int* place[] = {&control.x, &control.y, &control.width, &control.height};
  for (int* value : place) {
    expectPunct(',');
    *value = int(expression());
  }
  if (peek().kind == Token::Punct && peek().text == ",") {
    next();
    control.exStyle = DWORD(expression());
  }
  return control;
}

}  // namespace

bool ReadResourceScript(const std::vector<SourceFile>& files, const std::string& mainFile,
                        ResourceTable& table, std::string& error) {
  std::map<std::string, std::vector<Token>> defines;
  std::vector<Token> tokens;
  Tokenizer tokenizer(files, defines);
  if (auto failure = tokenizer.run(mainFile, tokens)) {
    error = failure->message;
    return false;
  }
  try {
    Parser parser(tokens, defines);
    ResourceTable read;
    parser.parse(read);
    for (const DialogTemplate& dialog : read.dialogs()) table.add(dialog);
    for (const IconResource& icon : read.icons()) table.add(icon);
  } catch (const ReadError& failure) {
    error = failure.message;
    return false;
  }
  return true;
}

}  // namespace platform::ui
