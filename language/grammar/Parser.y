/* Grammar of the modelling language: the problem frame, data, domains, variables, constraints
   (with forall, if, soft constraints and user definitions), expressions and the optimisation
   target. A pure LALR(1) parser: its state is the parser object and the ParseContext. */
%require "3.8"
%language "c++"
%skeleton "lalr1.cc"
%define api.namespace {TavLanguage::detail}
%define api.parser.class {CspParser}
%define api.value.type variant
%define api.token.constructor
%define api.location.type {SourceLine}
%locations
%define parse.error verbose
%expect 0

%lex-param {yyscan_t scanner}
%parse-param {yyscan_t scanner} {ParseContext& ctx}

%code requires {
#include "language/Declarations.hpp"
#include "language/tree/GenIf.hpp"
#include "language/tree/GenObj.hpp"

#include <string>
#include <vector>

typedef void* yyscan_t;

namespace TavLanguage {
class ParseContext;

// Location of a symbol: the source line of its first token.
struct SourceLine {
    int line = 0;
};
} // namespace TavLanguage
}

%code provides {
namespace TavLanguage::detail {
// The scanner: the next token of the text the scanner object reads.
CspParser::symbol_type CspLex(yyscan_t yyscanner);
} // namespace TavLanguage::detail
}

%code {
#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/tree/GenArgList.hpp"
#include "language/tree/GenBinary.hpp"
#include "language/tree/GenBody.hpp"
#include "language/tree/GenConcatList.hpp"
#include "language/tree/GenDataDecl.hpp"
#include "language/tree/GenForall.hpp"
#include "language/tree/GenIdxRange.hpp"
#include "language/tree/GenInducedOp.hpp"
#include "language/tree/GenIntensionalList.hpp"
#include "language/tree/GenListRange.hpp"
#include "language/tree/GenLogical.hpp"
#include "language/tree/GenNary.hpp"
#include "language/tree/GenOptimise.hpp"
#include "language/tree/GenRef.hpp"
#include "language/tree/GenSoftCon.hpp"
#include "language/tree/GenSubRange.hpp"
#include "language/tree/GenTuple.hpp"
#include "language/tree/GenUserCall.hpp"
#include "language/tree/GenUserDef.hpp"
#include "language/tree/GenVal.hpp"
#include "language/tree/GenVar.hpp"

#define yylex CspLex

#define YYLLOC_DEFAULT(Cur, Rhs, N) \
    do { (Cur).line = (N) ? YYRHSLOC(Rhs, 1).line : YYRHSLOC(Rhs, 0).line; } while (0)

namespace TavLanguage::detail {
namespace {
template <class Node, class... Args> GenPtr Make(Args&&... args) {
    return GenPtr(new Node(std::forward<Args>(args)...));
}
GenList ListOf(GenPtr a) {
    GenList list;
    list.push_back(std::move(a));
    return list;
}
GenList ListOf(GenPtr a, GenPtr b) {
    GenList list = ListOf(std::move(a));
    list.push_back(std::move(b));
    return list;
}
GenList ListOf(GenPtr a, GenPtr b, GenPtr c) {
    GenList list = ListOf(std::move(a), std::move(b));
    list.push_back(std::move(c));
    return list;
}
GenPtr Binary(int line, int token, GenPtr a, GenPtr b) {
    switch (token) {
    case Token::EQ: case Token::NEQ: case Token::LT: case Token::GT: case Token::LTEQ: case Token::GTEQ:
        return Make<GenBinary>(line, token, std::move(a), std::move(b));
    case Token::AND: case Token::OR: case Token::XOR: case Token::IMPLIES: case Token::IFF:
        return Make<GenLogical>(line, token, std::move(a), std::move(b));
    case Token::SUBSET: case Token::STRICTSUBSET:
        return Make<GenNary>(line, token, ListOf(std::move(a), std::move(b)));
    default:
        return Make<GenInducedOp>(line, token, std::move(a), std::move(b));
    }
}
GenPtr Body(int line, GenList statements) { return Make<GenBody>(line, std::move(statements)); }
// The index of "i = [a..b]", which is written as an expression before the range is recognised.
std::string IndexName(const GenPtr& left, int line) {
    (void)line;
    auto* ref = dynamic_cast<GenRef*>(left.get());
    if (ref == nullptr) throw ParserErr(*left, 2);
    return ref->GetName();
}
} // namespace
} // namespace TavLanguage::detail
}

%token END_OF_INPUT 0
%token CONCAT_OP 258
%token <int> INT_VAL 259
%token <double> REAL_VAL 260
%token <std::string> STR_VAL 261
%token <std::string> IDENT 262
%token LB 263 RB 264 LP 265 RP 266 LSB 267 RSB 268 COMMA 269 AS 270 SUCH_THAT 271 IS 272
%token P_IN 273 TO 274 SEMICOLON 275 SUBSEQS 276 SUBLISTS 277 SUBSETS 278 OF 279
%token IMPLIES 280 IFF 281 AND 282 OR 283 XOR 284 NOT 285
%token EQ 286 NEQ 287 LT 288 GT 289 LTEQ 290 GTEQ 291
%token MINUS 292 PLUS 293 TIMES 294 DIVIDE 295 MODULUS 296
%token ABS 297 POWER 298 SCAL_PROD 299 SUM 300 ALL_DIFFERENT 301 SEQUENCE 302 COUNT 303
%token OPTIMISATION 304 MINIMISE 305 MAXIMISE 306 MINIMUM 307 MAXIMUM 308
%token ELEMENT 309 MEMBER 310 NOTMEMBER 311 SUBSET 312 STRICTSUBSET 313
%token UNION 314 INTERSECTION 315 ALLDISJOINT 316 CARDINALITY 317
%token START_PROBLEM 318 DATA_SECTION 319 DOMS_SECTION 320 INTDOM_DECL 321 ENUMDOM_DECL 322
%token SETDOM_DECL 323 VARS_SECTION 324 INTVAR_DECL 325 REALVAR_DECL 326 ENUMVAR_DECL 327
%token SETVAR_DECL 328 BOOLVAR_DECL 329 CONS_SECTION 330 FORALL 331 IF 332 ELSE 333
%token FUNCTION 334 CONSTRAINT 335 SOFT 336 RETURN 337

/* From the weakest: iff, implies, or/xor, and, not, comparisons, ++, + -, * / %, unary - and #. */
%left IFF
%left IMPLIES
%left OR XOR
%left AND
%precedence NOT
%left EQ NEQ LT GT LTEQ GTEQ SUBSET STRICTSUBSET
%left CONCAT_OP
%left PLUS MINUS
%left TIMES DIVIDE MODULUS
%precedence UMINUS CARDINALITY

%type <GenPtr> arg_expr data_decl user_decl con_expr forall_cons if_cons range_item
%type <GenList> con_exprs_body arg_list list_items tuple_items range_decls int_list
%type <std::vector<std::string>> str_list param_list
%type <std::vector<IdentDecl>> ident_list
%type <IdentDecl> ident
%type <GenList> dims
%type <std::vector<GenIf::Branch>> tail_if
%type <int> var_keyword list_func pair_func set_list_func

%start csp_expr

%%

csp_expr
    : START_PROBLEM IDENT LP data_block doms_block vars_block cons_block optimise_block RP {
          // Every statement is checked first, then all are generated.
          if (!ctx.Tree().CheckAll(ctx)) throw ParserErr(2);
          ctx.Tree().GenerateAll(ctx);
      }
    ;

data_block
    : DATA_SECTION LP data_decls RP
    | %empty
    ;

data_decls
    : data_decls data_decl { static_cast<GenDataDecl&>(*$2).Declare(ctx); ctx.DropIdentifiers(); }
    | data_decl            { static_cast<GenDataDecl&>(*$1).Declare(ctx); ctx.DropIdentifiers(); }
    ;

data_decl
    : IDENT IS arg_expr SEMICOLON { $$ = Make<GenDataDecl>(@1.line, $1, std::move($3)); }
    ;

doms_block
    : DOMS_SECTION LP doms_decls RP
    | %empty
    ;

doms_decls
    : doms_decls dom_decl
    | dom_decl
    ;

dom_decl
    : INTDOM_DECL IDENT EQ LSB arg_expr COMMA arg_expr RSB SEMICOLON {
          Declarations::AddIntDomainRange(ctx, @2.line, $2, std::move($5), std::move($7));
          ctx.DropIdentifiers();
      }
    | INTDOM_DECL IDENT EQ LP int_list RP SEMICOLON {
          Declarations::AddIntDomainList(ctx, @2.line, $2, std::move($5), false);
          ctx.DropIdentifiers();
      }
    | ENUMDOM_DECL IDENT EQ LP str_list RP SEMICOLON { Declarations::AddEnumDomain(ctx, @2.line, $2, $5); }
    | SETDOM_DECL IDENT EQ LP int_list RP SEMICOLON {
          Declarations::AddIntDomainList(ctx, @2.line, $2, std::move($5), true);
          ctx.DropIdentifiers();
      }
    ;

str_list
    : str_list COMMA STR_VAL { $$ = std::move($1); $$.push_back($3); }
    | STR_VAL                { $$.push_back($1); }
    ;

int_list
    : int_list COMMA arg_expr { $$ = std::move($1); $$.push_back(std::move($3)); }
    | arg_expr                { $$.push_back(std::move($1)); }
    ;

vars_block
    : VARS_SECTION LP vars_decls RP
    ;

vars_decls
    : vars_decls var_decl
    | %empty
    ;

var_decl
    : var_keyword ident_list AS IDENT SEMICOLON {
          Declarations::AddVariables(ctx, $1, $2, $4, @1.line);
          ctx.DropIdentifiers();
      }
    | BOOLVAR_DECL ident_list SEMICOLON {
          Declarations::AddVariables(ctx, Token::BOOLVAR_DECL, $2, "", @1.line);
          ctx.DropIdentifiers();
      }
    | REALVAR_DECL ident_list SEMICOLON {
          Declarations::AddVariables(ctx, Token::REALVAR_DECL, $2, "", @1.line);
          ctx.DropIdentifiers();
      }
    ;

var_keyword
    : INTVAR_DECL  { $$ = Token::INTVAR_DECL; }
    | ENUMVAR_DECL { $$ = Token::ENUMVAR_DECL; }
    | SETVAR_DECL  { $$ = Token::SETVAR_DECL; }
    ;

ident_list
    : ident_list COMMA ident { $$ = std::move($1); $$.push_back(std::move($3)); }
    | ident                  { $$.push_back(std::move($1)); }
    ;

ident
    : IDENT      { $$.name = $1; $$.line = @1.line; }
    | IDENT dims { $$.name = $1; $$.line = @1.line; $$.dims = std::move($2); }
    ;

dims
    : dims LSB arg_expr RSB { $$ = std::move($1); $$.push_back(std::move($3)); }
    | LSB arg_expr RSB      { $$.push_back(std::move($2)); }
    ;

cons_block
    : CONS_SECTION LP top_items RP
    ;

top_items
    : top_items top_item
    | %empty
    ;

top_item
    : con_expr {
          ctx.FlushIdentifiers($1->GetToken());
          ctx.Tree().AddStatement(std::move($1));
      }
    | data_decl { static_cast<GenDataDecl&>(*$1).Declare(ctx); ctx.DropIdentifiers(); }
    | user_decl {
          static_cast<GenUserDef&>(*$1).Declare(ctx);
          ctx.DropIdentifiers();
          ctx.Tree().AddDefinition(std::move($1));
      }
    ;

con_exprs_body
    : con_exprs_body con_expr  { $$ = std::move($1); $$.push_back(std::move($2)); }
    | con_exprs_body data_decl { $$ = std::move($1); $$.push_back(std::move($2)); }
    | con_exprs_body user_decl { $$ = std::move($1); $$.push_back(std::move($2)); }
    | %empty                   { }
    ;

con_expr
    : arg_expr SEMICOLON                                  { $$ = std::move($1); }
    | SOFT LB arg_expr COMMA arg_expr RB SEMICOLON        { $$ = Make<GenSoftCon>(@1.line, std::move($3), std::move($5)); }
    | forall_cons                                         { $$ = std::move($1); }
    | if_cons                                             { $$ = std::move($1); }
    ;

user_decl
    : CONSTRAINT IDENT LB param_list RB LP con_exprs_body RP {
          $$ = Make<GenUserDef>(@1.line, false, $2, std::move($4), Body(@6.line, std::move($7)), nullptr);
      }
    | FUNCTION IDENT LB param_list RB LP con_exprs_body RETURN arg_expr SEMICOLON RP {
          $$ = Make<GenUserDef>(@1.line, true, $2, std::move($4), Body(@6.line, std::move($7)), std::move($9));
      }
    ;

param_list
    : param_list COMMA IDENT { $$ = std::move($1); $$.push_back($3); }
    | IDENT                  { $$.push_back($1); }
    ;

forall_cons
    : FORALL LB range_decls RB LP con_exprs_body RP {
          $$ = Make<GenForall>(@1.line, GenRangeDecls(std::move($3)), Body(@5.line, std::move($6)));
      }
    ;

if_cons
    : IF LB range_decls RB LP con_exprs_body RP tail_if {
          std::vector<GenIf::Branch> branches;
          branches.push_back(GenIf::Branch{std::move($3), Body(@5.line, std::move($6))});
          for (auto& b : $8) branches.push_back(std::move(b));
          $$ = Make<GenIf>(@1.line, std::move(branches));
      }
    ;

tail_if
    : ELSE IF LB range_decls RB LP con_exprs_body RP tail_if {
          $$.push_back(GenIf::Branch{std::move($4), Body(@6.line, std::move($7))});
          for (auto& b : $9) $$.push_back(std::move(b));
      }
    | ELSE LP con_exprs_body RP { $$.push_back(GenIf::Branch{GenList(), Body(@2.line, std::move($3))}); }
    | %empty { }
    ;

range_decls
    : range_decls COMMA range_item { $$ = std::move($1); $$.push_back(std::move($3)); }
    | range_item                   { $$.push_back(std::move($1)); }
    ;

range_item
    : IDENT P_IN LSB arg_expr TO arg_expr RSB    { $$ = Make<GenIdxRange>(@1.line, $1, std::move($4), std::move($6)); }
    | arg_expr EQ LSB arg_expr TO arg_expr RSB   {
          $$ = Make<GenIdxRange>(@1.line, IndexName($1, @1.line), std::move($4), std::move($6));
      }
    | IDENT P_IN arg_expr                        { $$ = Make<GenListRange>(@1.line, $1, std::move($3)); }
    | SUBLISTS IDENT OF arg_expr { $$ = Make<GenSubRange>(@1.line, GenSubRange::Mode::Sublists, $2, std::move($4)); }
    | SUBSETS IDENT OF arg_expr  { $$ = Make<GenSubRange>(@1.line, GenSubRange::Mode::Subsets, $2, std::move($4)); }
    | SUBSEQS IDENT OF arg_expr  { $$ = Make<GenSubRange>(@1.line, GenSubRange::Mode::Subseqs, $2, std::move($4)); }
    | arg_expr                   { $$ = std::move($1); }
    ;

arg_expr
    : arg_expr IFF arg_expr          { $$ = Binary(@2.line, Token::IFF, std::move($1), std::move($3)); }
    | arg_expr IMPLIES arg_expr      { $$ = Binary(@2.line, Token::IMPLIES, std::move($1), std::move($3)); }
    | arg_expr AND arg_expr          { $$ = Binary(@2.line, Token::AND, std::move($1), std::move($3)); }
    | arg_expr OR arg_expr           { $$ = Binary(@2.line, Token::OR, std::move($1), std::move($3)); }
    | arg_expr XOR arg_expr          { $$ = Binary(@2.line, Token::XOR, std::move($1), std::move($3)); }
    | NOT arg_expr                   { $$ = Make<GenLogical>(@1.line, Token::NOT, std::move($2), nullptr); }
    | arg_expr EQ arg_expr           { $$ = Binary(@2.line, Token::EQ, std::move($1), std::move($3)); }
    | arg_expr NEQ arg_expr          { $$ = Binary(@2.line, Token::NEQ, std::move($1), std::move($3)); }
    | arg_expr LT arg_expr           { $$ = Binary(@2.line, Token::LT, std::move($1), std::move($3)); }
    | arg_expr GT arg_expr           { $$ = Binary(@2.line, Token::GT, std::move($1), std::move($3)); }
    | arg_expr LTEQ arg_expr         { $$ = Binary(@2.line, Token::LTEQ, std::move($1), std::move($3)); }
    | arg_expr GTEQ arg_expr         { $$ = Binary(@2.line, Token::GTEQ, std::move($1), std::move($3)); }
    | arg_expr SUBSET arg_expr       { $$ = Binary(@2.line, Token::SUBSET, std::move($1), std::move($3)); }
    | arg_expr STRICTSUBSET arg_expr { $$ = Binary(@2.line, Token::STRICTSUBSET, std::move($1), std::move($3)); }
    | arg_expr CONCAT_OP arg_expr    { $$ = Make<GenConcatList>(@2.line, std::move($1), std::move($3)); }
    | arg_expr PLUS arg_expr         { $$ = Binary(@2.line, Token::PLUS, std::move($1), std::move($3)); }
    | arg_expr MINUS arg_expr        { $$ = Binary(@2.line, Token::MINUS, std::move($1), std::move($3)); }
    | arg_expr TIMES arg_expr        { $$ = Binary(@2.line, Token::TIMES, std::move($1), std::move($3)); }
    | arg_expr DIVIDE arg_expr       { $$ = Binary(@2.line, Token::DIVIDE, std::move($1), std::move($3)); }
    | arg_expr MODULUS arg_expr      { $$ = Binary(@2.line, Token::MODULUS, std::move($1), std::move($3)); }
    | MINUS arg_expr %prec UMINUS    { $$ = Make<GenInducedOp>(@1.line, Token::MINUS, std::move($2), nullptr); }
    | CARDINALITY arg_expr           { $$ = Make<GenInducedOp>(@1.line, Token::CARDINALITY, std::move($2), nullptr); }
    | ALL_DIFFERENT LB arg_expr RB   { $$ = Make<GenNary>(@1.line, Token::ALL_DIFFERENT, ListOf(std::move($3))); }
    | ALLDISJOINT LB arg_expr RB     { $$ = Make<GenNary>(@1.line, Token::ALLDISJOINT, ListOf(std::move($3))); }
    | SEQUENCE LB arg_expr COMMA arg_expr RB {
          $$ = Make<GenNary>(@1.line, Token::SEQUENCE, ListOf(std::move($3), std::move($5)));
      }
    | ELEMENT LB arg_expr COMMA arg_expr COMMA arg_expr RB {
          $$ = Make<GenNary>(@1.line, Token::ELEMENT, ListOf(std::move($3), std::move($5), std::move($7)));
      }
    | MEMBER LB arg_expr COMMA arg_expr RB {
          $$ = Make<GenNary>(@1.line, Token::MEMBER, ListOf(std::move($3), std::move($5)));
      }
    | NOTMEMBER LB arg_expr COMMA arg_expr RB {
          $$ = Make<GenNary>(@1.line, Token::NOTMEMBER, ListOf(std::move($3), std::move($5)));
      }
    | list_func LB arg_expr RB       { $$ = Make<GenNary>(@1.line, $1, ListOf(std::move($3))); }
    | set_list_func LB arg_expr RB   { $$ = Make<GenNary>(@1.line, $1, ListOf(std::move($3))); }
    | pair_func LB arg_expr COMMA arg_expr RB {
          $$ = Make<GenNary>(@1.line, $1, ListOf(std::move($3), std::move($5)));
      }
    | IDENT LB arg_list RB           { $$ = Make<GenUserCall>(@1.line, $1, std::move($3)); }
    | IDENT                          { ctx.NoteIdentifier($1); $$ = Make<GenRef>(@1.line, $1); }
    | IDENT dims {
          auto node = std::make_unique<GenVar>(@1.line, $1, std::move($2));
          if (ctx.NotingIdentifiers()) ctx.NoteIdentifier(node->Text());
          $$ = GenPtr(node.release());
      }
    | INT_VAL                        { $$ = Make<GenVal>(@1.line, $1); }
    | REAL_VAL                       { $$ = Make<GenVal>(@1.line, $1); }
    | STR_VAL                        { $$ = Make<GenVal>(@1.line, $1); }
    | LB arg_expr RB                 { $$ = std::move($2); }
    | LB tuple_items RB              { $$ = Make<GenTuple>(@1.line, std::move($2)); }
    | LP list_items RP               { $$ = Make<GenArgList>(@1.line, std::move($2), true); }
    | LSB list_items RSB             { $$ = Make<GenArgList>(@1.line, std::move($2), false); }
    | LP arg_expr SUCH_THAT range_decls RP {
          $$ = Make<GenIntensionalList>(@1.line, std::move($2), GenRangeDecls(std::move($4)), true);
      }
    | LSB arg_expr SUCH_THAT range_decls RSB {
          $$ = Make<GenIntensionalList>(@1.line, std::move($2), GenRangeDecls(std::move($4)), false);
      }
    ;

list_func
    : SUM     { $$ = Token::SUM; }
    | MINIMUM { $$ = Token::MINIMUM; }
    | MAXIMUM { $$ = Token::MAXIMUM; }
    | ABS     { $$ = Token::ABS; }
    ;

set_list_func
    : UNION        { $$ = Token::UNION; }
    | INTERSECTION { $$ = Token::INTERSECTION; }
    ;

pair_func
    : SCAL_PROD { $$ = Token::SCAL_PROD; }
    | COUNT     { $$ = Token::COUNT; }
    | POWER     { $$ = Token::POWER; }
    ;

arg_list
    : arg_list COMMA arg_expr { $$ = std::move($1); $$.push_back(std::move($3)); }
    | arg_expr                { $$.push_back(std::move($1)); }
    ;

list_items
    : list_items COMMA arg_expr { $$ = std::move($1); $$.push_back(std::move($3)); }
    | arg_expr                  { $$.push_back(std::move($1)); }
    ;

tuple_items
    : tuple_items COMMA arg_expr { $$ = std::move($1); $$.push_back(std::move($3)); }
    | arg_expr COMMA arg_expr    { $$.push_back(std::move($1)); $$.push_back(std::move($3)); }
    ;

optimise_block
    : OPTIMISATION { ctx.StopNotingIdentifiers(); } LP criteria RP
    | %empty
    ;

criteria
    : MINIMISE LB arg_expr RB SEMICOLON { ctx.Tree().SetOptimise(Make<GenOptimise>(@1.line, Token::MINIMISE, std::move($3))); }
    | MAXIMISE LB arg_expr RB SEMICOLON { ctx.Tree().SetOptimise(Make<GenOptimise>(@1.line, Token::MAXIMISE, std::move($3))); }
    ;

%%

namespace TavLanguage::detail {

void CspParser::error(const location_type&, const std::string&) {
    // The parser never resumes after a syntax error: the first unexpected token ends the parse.
    throw ctx.SyntaxError();
}

static_assert(static_cast<int>(CspParser::token::CONCAT_OP) == static_cast<int>(Token::CONCAT_OP));
static_assert(static_cast<int>(CspParser::token::CARDINALITY) == static_cast<int>(Token::CARDINALITY));
static_assert(static_cast<int>(CspParser::token::RETURN) == static_cast<int>(Token::RETURN));

} // namespace TavLanguage::detail
