#include "FrwMake.h"

namespace {
const char* const BrouilleBaliseReference = "Pcq>D]WHGRk{SXt|LUr|ZPyY";
const char* const BrouilleBaliseReference2 = "Pcq>D=zbG2k[S8t~L5r~Z0yY";
const char* const BrouilleDebutBloc = "P,q`D-zrG@ku";
const char* const BrouilleFinBloc = "P.qdD9z|";
}  // namespace

Make::Make(Parametrage& param)
    : Param(param), FinDeLigne("\n"), Separateur("\\"), AccoladeFermante("}"), NbFichier(0) {
    BaliseReference = Param.DeCrypt(BrouilleBaliseReference, Param.Cle);
    BaliseReference2 = Param.DeCrypt(BrouilleBaliseReference2, Param.Cle);
    MotDebutBloc = Param.DeCrypt(BrouilleDebutBloc, Param.Cle);
    MotFinBloc = Param.DeCrypt(BrouilleFinBloc, Param.Cle);
}

Make::~Make() {}

std::string Make::PreTraitement(std::string) { return ""; }

std::string Make::Traitement() { return ""; }

std::string Make::PostTraitement() { return ""; }
