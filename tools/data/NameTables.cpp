#include "NameTables.h"

// One pair of tables per culture. Names are stored as UTF-8 here and become
// UTF-16 texts in the name files.

namespace {

// --- anglo (North America, Australia, New Zealand) ---
const char *const angloGiven[] = {
    "James", "John", "Robert", "Michael", "William", "David", "Richard", "Joseph",
    "Thomas", "Charles", "Christopher", "Daniel", "Matthew", "Anthony", "Mark", "Donald",
    "Steven", "Paul", "Andrew", "Joshua", "Kenneth", "Kevin", "Brian", "George",
    "Timothy", "Ronald", "Jason", "Edward", "Jeffrey", "Ryan", "Jacob", "Gary",
    "Nicholas", "Eric", "Jonathan", "Stephen", "Larry", "Justin", "Scott", "Brandon",
    "Benjamin", "Samuel", "Gregory", "Alexander", "Patrick", "Frank", "Raymond", "Jack",
    "Dennis", "Jerry", "Tyler", "Aaron", "Henry", "Adam", "Douglas", "Nathan",
    "Peter", "Zachary", "Kyle", "Walter", "Harold", "Jeremy", "Ethan", "Carl",
    "Keith", "Roger", "Gerald", "Christian", "Terry", "Sean", "Arthur", "Austin",
    "Noah", "Lawrence", "Jesse", "Joe", "Bryan", "Billy", "Jordan", "Albert",
    "Dylan", "Bruce", "Willie", "Gabriel", "Alan", "Logan", "Wayne", "Ralph",
    "Roy", "Eugene", "Randy", "Vincent", "Russell", "Louis", "Philip", "Bobby",
    "Johnny", "Bradley", "Travis", "Chad", "Cody", "Dustin", "Marcus", "Tanner",
    "Hunter", "Garrett", "Derek", "Shane", "Wyatt", "Caleb", "Mason", "Trevor",
    "Brett", "Dwayne", "Jamal", "Darnell", "Tyrone", "Terrell", "DeShawn", "Andre",
    "Curtis", "Marvin", "Leroy", "Floyd",
};
const char *const angloSurnames[] = {
    "Smith", "Johnson", "Williams", "Brown", "Jones", "Miller", "Davis", "Wilson",
    "Anderson", "Taylor", "Thomas", "Moore", "Jackson", "Martin", "Thompson", "White",
    "Harris", "Clark", "Lewis", "Robinson", "Walker", "Young", "Allen", "King",
    "Wright", "Scott", "Hill", "Green", "Adams", "Baker", "Nelson", "Carter",
    "Mitchell", "Roberts", "Turner", "Phillips", "Campbell", "Parker", "Evans", "Edwards",
    "Collins", "Stewart", "Morris", "Rogers", "Reed", "Cook", "Morgan", "Bell",
    "Murphy", "Bailey", "Cooper", "Richardson", "Cox", "Howard", "Ward", "Peterson",
    "Gray", "James", "Watson", "Brooks", "Kelly", "Sanders", "Price", "Bennett",
    "Wood", "Barnes", "Ross", "Henderson", "Coleman", "Jenkins", "Perry", "Powell",
    "Long", "Patterson", "Hughes", "Washington", "Butler", "Simmons", "Foster", "Bryant",
    "Russell", "Griffin", "Hayes", "Myers", "Ford", "Hamilton", "Graham", "Sullivan",
    "Wallace", "Woods", "Cole", "West", "Owens", "Reynolds", "Fisher", "Ellis",
    "Harrison", "Gibson", "McDonald", "Marshall", "Wells", "Tucker", "Porter", "Hunter",
    "Hicks", "Crawford", "Boyd", "Kennedy", "Warren", "Dixon", "Burns", "Gordon",
    "Shaw", "Holmes", "Rice", "Hunt", "Black", "Daniels", "Palmer", "Mills",
    "Nichols", "Grant", "Knight", "Ferguson", "Stone", "Hawkins", "Dunn", "Perkins",
};

// --- hispanic (Spain, Latin America, the Philippines) ---
const char *const hispanicGiven[] = {
    "José", "Juan", "Luis", "Carlos", "Jorge", "Miguel", "Pedro", "Alejandro",
    "Fernando", "Francisco", "Javier", "Manuel", "Antonio", "Rafael", "Ricardo", "Roberto",
    "Eduardo", "Sergio", "Diego", "Andrés", "Pablo", "Raúl", "Héctor", "Óscar",
    "Rubén", "Víctor", "Mario", "Julio", "Arturo", "Enrique", "Alberto", "Gerardo",
    "Ramón", "Ignacio", "Gustavo", "Guillermo", "Hugo", "Martín", "Santiago", "Mateo",
    "Sebastián", "Nicolás", "Gabriel", "Emilio", "Esteban", "Felipe", "Gonzalo", "Jesús",
    "Joaquín", "Leonardo", "Lorenzo", "Marcelo", "Mauricio", "Orlando", "Pascual", "Ramiro",
    "Rodrigo", "Salvador", "Tomás", "Vicente", "Agustín", "Alfonso", "Álvaro", "Armando",
    "Benjamín", "César", "Cristian", "Damián", "Domingo", "Efraín", "Elías", "Ernesto",
    "Fabián", "Federico", "Gilberto", "Horacio", "Iván", "Jaime", "Julián", "Leandro",
    "Lucas", "Marcos", "Maximiliano", "Octavio", "Omar", "Patricio", "Rolando", "Saúl",
    "Teodoro", "Ulises", "Valentín", "Wilfredo", "Xavier", "Adrián", "Abel", "Aníbal",
    "Bernardo", "Camilo", "Cristóbal", "Emiliano", "Facundo", "Franco", "Germán", "Ismael",
};
const char *const hispanicSurnames[] = {
    "García", "Rodríguez", "Martínez", "Hernández", "López", "González", "Pérez", "Sánchez",
    "Ramírez", "Torres", "Flores", "Rivera", "Gómez", "Díaz", "Reyes", "Morales",
    "Cruz", "Ortiz", "Gutiérrez", "Chávez", "Ramos", "Ruiz", "Jiménez", "Mendoza",
    "Vásquez", "Castillo", "Álvarez", "Romero", "Moreno", "Herrera", "Medina", "Aguilar",
    "Vargas", "Guzmán", "Castro", "Muñoz", "Ortega", "Delgado", "Rojas", "Fernández",
    "Soto", "Contreras", "Silva", "Salazar", "Luna", "Ríos", "Mejía", "Estrada",
    "Figueroa", "Cabrera", "Campos", "Vega", "Núñez", "Domínguez", "Navarro", "Sandoval",
    "Guerrero", "Molina", "Acosta", "Pacheco", "Valdez", "Cortés", "Fuentes", "Carrillo",
    "Espinoza", "Ibarra", "Lara", "Maldonado", "Suárez", "Cervantes", "Rosales", "Marín",
    "Miranda", "Cárdenas", "Bautista", "Cano", "Duarte", "Escobar", "Galindo", "Ibáñez",
    "Lozano", "Mora", "Nieto", "Ochoa", "Padilla", "Quintero", "Rubio", "Santana",
    "Serrano", "Solís", "Tapia", "Trujillo", "Valencia", "Velázquez", "Zamora", "Zúñiga",
    "Arroyo", "Barrera", "Benítez", "Calderón", "Camacho", "Durán", "Esquivel", "Gallegos",
    "Leyva", "Montoya", "Pineda", "Quiroga", "Salinas", "Villanueva",
};

// --- french ---
const char *const frenchGiven[] = {
    "Jean", "Pierre", "Michel", "André", "Philippe", "Alain", "Jacques", "Bernard",
    "Christophe", "Nicolas", "Laurent", "Sébastien", "Julien", "François", "Olivier", "Patrick",
    "Thierry", "Éric", "Stéphane", "Frédéric", "Antoine", "Thomas", "Alexandre", "Maxime",
    "Guillaume", "Mathieu", "Romain", "Vincent", "Benoît", "Damien", "Jérôme", "Cédric",
    "Fabrice", "Yannick", "Arnaud", "Hugo", "Lucas", "Louis", "Théo", "Nathan",
    "Enzo", "Clément", "Adrien", "Baptiste", "Quentin", "Bastien", "Florian", "Kévin",
    "Jérémy", "Loïc", "Gaël", "Yves", "Gérard", "Marcel", "René", "Claude",
    "Henri", "Georges", "Roger", "Lucien", "Émile", "Gaston", "Raymond", "Marc",
    "Paul", "Luc", "Gilles", "Didier", "Pascal", "Serge", "Hervé", "Denis",
    "Dominique", "Bruno", "Xavier", "Raphaël", "Jules", "Léo", "Gabriel", "Arthur",
    "Mathis", "Noé", "Timothée", "Valentin", "Corentin", "Aurélien", "Cyril", "Fabien",
    "Grégoire", "Ludovic", "Mickaël", "Rémi", "Sylvain", "Tristan", "Victor", "Yohan",
    "Armand", "Édouard", "Étienne", "Félix", "Fernand", "Gauthier", "Honoré", "Jean-Luc",
    "Jean-Paul", "Jean-Pierre", "Jean-Claude", "Jean-Marc", "Lionel", "Marius", "Maurice", "Régis",
    "Thibault", "Basile", "Célestin",
};
const char *const frenchSurnames[] = {
    "Martin", "Bernard", "Thomas", "Petit", "Robert", "Richard", "Durand", "Dubois",
    "Moreau", "Laurent", "Simon", "Michel", "Lefebvre", "Leroy", "Roux", "David",
    "Bertrand", "Morel", "Fournier", "Girard", "Bonnet", "Dupont", "Lambert", "Fontaine",
    "Rousseau", "Vincent", "Lefèvre", "Faure", "André", "Mercier", "Blanc", "Guérin",
    "Boyer", "Garnier", "Chevalier", "François", "Legrand", "Gauthier", "Perrin", "Robin",
    "Clément", "Morin", "Nicolas", "Henry", "Roussel", "Mathieu", "Masson", "Marchand",
    "Duval", "Denis", "Dumont", "Lemaire", "Noël", "Dufour", "Meunier", "Brun",
    "Blanchard", "Giraud", "Joly", "Rivière", "Lucas", "Brunet", "Gaillard", "Barbier",
    "Arnaud", "Gérard", "Roche", "Renard", "Roy", "Leroux", "Colin", "Vidal",
    "Caron", "Picard", "Roger", "Fabre", "Aubert", "Lemoine", "Renaud", "Dumas",
    "Lacroix", "Olivier", "Philippe", "Bourgeois", "Pierre", "Benoît", "Rey", "Leclerc",
    "Payet", "Rolland", "Guillaume", "Lecomte", "Dupuy", "Guillot", "Hubert", "Berger",
    "Carpentier", "Dupuis", "Moulin", "Deschamps", "Huet", "Vasseur", "Boucher", "Fleury",
    "Royer", "Jacquet", "Poirier", "Marty", "Aubry", "Guyot", "Carré", "Charpentier",
    "Ménard", "Maillard", "Baron", "Bertin", "Bailly", "Le Gall", "Prévost", "Le Goff",
};

// --- british (England, Scotland, Wales, Ireland, the Caribbean) ---
const char *const britishGiven[] = {
    "Oliver", "Harry", "George", "Jack", "Charlie", "Alfie", "Freddie", "Archie",
    "Oscar", "Nigel", "Graham", "Colin", "Trevor", "Clive", "Neil", "Ian",
    "Alistair", "Angus", "Callum", "Declan", "Rhys", "Gareth", "Dafydd", "Owain",
    "Iwan", "Aled", "Hamish", "Fraser", "Ewan", "Ross", "Lewis", "Craig",
    "Kieran", "Liam", "Connor", "Cian", "Niall", "Seamus", "Padraig", "Eoin",
    "Darragh", "Ciaran", "Oisin", "Rory", "Finlay", "Duncan", "Malcolm", "Murray",
    "Gordon", "Lachlan", "Archibald", "Reginald", "Rupert", "Giles", "Hugo", "Crispin",
    "Toby", "Barnaby", "Reece", "Jamie", "Darren", "Lee", "Gavin", "Stuart",
    "Barry", "Derek", "Dean", "Geoffrey", "Simon", "Benedict", "Hugh", "Rhodri",
    "Emyr", "Geraint", "Gethin", "Idris", "Ieuan", "Llewellyn", "Tomos", "Bryn",
    "Osian", "Alun", "Gwilym", "Huw", "Dewi", "Terence", "Cyril", "Reggie",
    "Stanley", "Ernest", "Frederick", "Alfred", "Sidney", "Herbert", "Percy", "Wilfred",
    "Basil", "Nathaniel", "Ronan", "Brendan", "Fergus", "Cormac", "Eamon", "Dermot",
    "Conor", "Edmund", "Rowan", "Ellis",
};
const char *const britishSurnames[] = {
    "Davies", "Evans", "Roberts", "Wright", "Walker", "Edwards", "Hughes", "Hall",
    "Clarke", "Wood", "Turner", "Cooper", "Ward", "Morris", "Moore", "Clark",
    "Harrison", "Morgan", "Phillips", "Watson", "Price", "Griffiths", "Mitchell", "Kelly",
    "Bell", "Shaw", "Richards", "Marshall", "Simpson", "Ellis", "Wilkinson", "Chapman",
    "Powell", "Webb", "Mason", "Hunt", "Matthews", "Owen", "Holmes", "Mills",
    "Barnes", "Knight", "Lloyd", "Barker", "Stevens", "Jenkins", "Murray", "Dixon",
    "Harvey", "Pearson", "Fletcher", "Walsh", "Gibson", "Andrews", "Stewart", "Elliott",
    "Saunders", "Payne", "Fox", "Pearce", "Day", "Lawrence", "Atkinson", "Spencer",
    "Gill", "Dawson", "Ball", "Burton", "O'Brien", "Watts", "Booth", "Ryan",
    "Armstrong", "Rees", "Hudson", "Newman", "Barrett", "Webster", "Gregory", "Carr",
    "Lowe", "Page", "Marsh", "Riley", "Parsons", "Reid", "Holland", "Harding",
    "Robertson", "Newton", "Williamson", "Bird", "Cooke", "Bates", "Parry", "Burgess",
    "Bishop", "Walton", "Nicholson", "Shepherd", "Cross", "Nicholls", "Byrne", "Sutton",
    "Yates", "Hodgson", "Robson", "Hopkins", "O'Connor", "Harper", "Moss", "McCarthy",
    "O'Neill", "Sharp", "Wheeler", "Osborne", "Doyle", "Pritchard", "MacLeod", "Sinclair",
    "Munro", "Sutherland", "Mackenzie", "Buchanan", "Lindsay", "Cameron", "McGregor", "Llewellyn",
};

// --- portuguese (Portugal, Brazil) ---
const char *const portugueseGiven[] = {
    "João", "José", "António", "Pedro", "Paulo", "Carlos", "Luís", "Manuel",
    "Francisco", "Rui", "Miguel", "Tiago", "Nuno", "Ricardo", "Bruno", "André",
    "Diogo", "Gonçalo", "Rodrigo", "Duarte", "Afonso", "Henrique", "Vasco", "Fábio",
    "Hugo", "Sérgio", "Vítor", "Jorge", "Fernando", "Eduardo", "Marcelo", "Márcio",
    "Leandro", "Rafael", "Gustavo", "Gabriel", "Lucas", "Mateus", "Guilherme", "Felipe",
    "Leonardo", "Vinícius", "Caio", "Davi", "Bernardo", "Heitor", "Murilo", "Otávio",
    "Renato", "Renan", "Rogério", "Raimundo", "Sebastião", "Joaquim", "Wagner", "Wanderlei",
    "Edson", "Cláudio", "Alexandre", "Fabrício", "Flávio", "Júlio", "Jair", "Jefferson",
    "Lúcio", "Luciano", "Maurício", "Nelson", "Osvaldo", "Reinaldo", "Roberto", "Rivaldo",
    "Ronaldo", "Romário", "Sandro", "Sílvio", "Valter", "Wellington", "Adriano", "Alberto",
    "Álvaro", "Armando", "Benedito", "Caetano", "Cristiano", "Danilo", "Edgar", "Emanuel",
    "Everton", "Filipe", "Frederico", "Gilberto", "Hélio", "Igor", "Ivo", "Leonel",
    "Lourenço", "Martim", "Moisés", "Nilton", "Norberto", "Patrício", "Simão", "Valdemar",
};
const char *const portugueseSurnames[] = {
    "Silva", "Santos", "Oliveira", "Souza", "Rodrigues", "Ferreira", "Alves", "Pereira",
    "Lima", "Gomes", "Costa", "Ribeiro", "Martins", "Carvalho", "Almeida", "Lopes",
    "Soares", "Fernandes", "Vieira", "Barbosa", "Rocha", "Dias", "Nascimento", "Andrade",
    "Moreira", "Nunes", "Marques", "Machado", "Mendes", "Freitas", "Cardoso", "Ramos",
    "Gonçalves", "Santana", "Teixeira", "Araújo", "Pinto", "Correia", "Monteiro", "Moura",
    "Cavalcanti", "Batista", "Azevedo", "Campos", "Cunha", "Melo", "Reis", "Sousa",
    "Castro", "Fonseca", "Magalhães", "Pires", "Sampaio", "Tavares", "Valente", "Coelho",
    "Matos", "Brito", "Cruz", "Leite", "Macedo", "Guerra", "Figueiredo", "Lacerda",
    "Medeiros", "Miranda", "Neves", "Pacheco", "Paiva", "Peixoto", "Queiroz", "Rezende",
    "Sá", "Sales", "Siqueira", "Toledo", "Vasconcelos", "Xavier", "Abreu", "Amaral",
    "Antunes", "Barros", "Bezerra", "Borges", "Branco", "Caldeira", "Carneiro", "Coutinho",
    "Esteves", "Falcão", "Faria", "Franco", "Gaspar", "Guimarães", "Leal", "Lobo",
    "Loureiro", "Maia", "Mota", "Nóbrega", "Pestana", "Prado", "Rebelo", "Salgado",
    "Simões", "Torres", "Vaz", "Veloso",
};

// --- germanic (Germany, Austria, Switzerland, Belgium) ---
const char *const germanicGiven[] = {
    "Hans", "Peter", "Klaus", "Jürgen", "Wolfgang", "Uwe", "Dieter", "Günter",
    "Horst", "Helmut", "Werner", "Manfred", "Gerhard", "Karl", "Heinz", "Rolf",
    "Bernd", "Frank", "Stefan", "Thomas", "Andreas", "Markus", "Christian", "Matthias",
    "Tobias", "Sebastian", "Florian", "Lukas", "Felix", "Maximilian", "Jonas", "Leon",
    "Paul", "Finn", "Elias", "Ben", "Moritz", "Jannik", "Niklas", "Tim",
    "Jan", "Philipp", "Dominik", "Fabian", "Julian", "Kai", "Sven", "Dirk",
    "Jörg", "Holger", "Ralf", "Torsten", "Volker", "Axel", "Detlef", "Ulrich",
    "Rüdiger", "Siegfried", "Friedrich", "Wilhelm", "Heinrich", "Otto", "Ernst", "Kurt",
    "Walter", "Hermann", "Gustav", "Ludwig", "Konrad", "Georg", "Johann", "Josef",
    "Franz", "Anton", "Alois", "Rainer", "Reinhard", "Wolfram", "Gottfried", "Lothar",
    "Norbert", "Hartmut", "Ingo", "Jens", "Sascha", "Timo", "Till", "Benedikt",
    "Valentin", "Leopold", "Konstantin", "Emil", "Hannes", "Jakob", "Korbinian", "Lorenz",
    "Malte", "Severin", "Thilo", "Urs", "Beat", "Reto", "Armin", "Bastian",
    "Gregor", "Erwin", "Egon", "Fritz",
};
const char *const germanicSurnames[] = {
    "Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker",
    "Schulz", "Hoffmann", "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf",
    "Schröder", "Neumann", "Schwarz", "Zimmermann", "Braun", "Krüger", "Hofmann", "Hartmann",
    "Lange", "Schmitt", "Werner", "Schmitz", "Krause", "Meier", "Lehmann", "Schmid",
    "Schulze", "Maier", "Köhler", "Herrmann", "König", "Walter", "Mayer", "Huber",
    "Kaiser", "Fuchs", "Peters", "Lang", "Scholz", "Möller", "Weiß", "Jung",
    "Hahn", "Schubert", "Vogel", "Friedrich", "Keller", "Günther", "Frank", "Berger",
    "Winkler", "Roth", "Beck", "Lorenz", "Baumann", "Franke", "Albrecht", "Schuster",
    "Simon", "Ludwig", "Böhm", "Winter", "Kraus", "Martin", "Schumacher", "Krämer",
    "Vogt", "Stein", "Jäger", "Otto", "Sommer", "Groß", "Seidel", "Heinrich",
    "Brandt", "Haas", "Schreiber", "Graf", "Schulte", "Dietrich", "Ziegler", "Kuhn",
    "Kühn", "Pohl", "Engel", "Horn", "Busch", "Bergmann", "Voigt", "Sauer",
    "Arnold", "Wolff", "Pfeiffer", "Hofer", "Gruber", "Steiner", "Moser", "Brunner",
    "Eder", "Egger", "Wyss", "Gerber",
};

// --- greek ---
const char *const greekGiven[] = {
    "Georgios", "Dimitrios", "Konstantinos", "Ioannis", "Nikolaos", "Panagiotis", "Vasileios", "Christos",
    "Athanasios", "Michail", "Evangelos", "Spyridon", "Antonios", "Anastasios", "Theodoros", "Andreas",
    "Emmanouil", "Charalampos", "Ilias", "Stavros", "Petros", "Pavlos", "Alexandros", "Stylianos",
    "Sotirios", "Apostolos", "Kyriakos", "Eleftherios", "Angelos", "Thomas", "Grigorios", "Stefanos",
    "Efstathios", "Panteleimon", "Leonidas", "Aristotelis", "Achilleas", "Odysseas", "Periklis", "Sokratis",
    "Themistoklis", "Miltiadis", "Prodromos", "Savvas", "Fotios", "Xenofon", "Zisis", "Lampros",
    "Marios", "Manolis", "Giannis", "Kostas", "Nikos", "Giorgos", "Dimitris", "Vasilis",
    "Panos", "Thanasis", "Stathis", "Tasos", "Vangelis", "Lefteris", "Christoforos", "Gerasimos",
    "Kosmas", "Markos", "Matthaios", "Nektarios", "Orestis", "Paraskevas", "Platon", "Rafail",
    "Sarantis", "Serafeim", "Spyros", "Stamatis", "Timotheos", "Triantafyllos", "Tryfon", "Vyron",
    "Zacharias", "Filippos", "Chrysostomos", "Diamantis", "Efthymios", "Evripidis", "Iasonas", "Ippokratis",
    "Kleanthis", "Loukas", "Menelaos", "Nestoras", "Polychronis", "Prokopis", "Sofoklis", "Stergios",
    "Theofilos", "Aris", "Argyris", "Dionysios", "Evgenios", "Antonis", "Michalis", "Haris",
};
const char *const greekSurnames[] = {
    "Papadopoulos", "Papadakis", "Papageorgiou", "Papanikolaou", "Papadimitriou", "Georgiou", "Nikolaidis", "Dimitriou",
    "Konstantinidis", "Ioannidis", "Vlachos", "Antoniou", "Christodoulou", "Oikonomou", "Makris", "Alexiou",
    "Athanasiou", "Karagiannis", "Pappas", "Michailidis", "Vasileiou", "Angelopoulos", "Giannopoulos", "Konstantinou",
    "Theodorou", "Karamanlis", "Papandreou", "Mitsotakis", "Samaras", "Venizelos", "Kyriakou", "Stavropoulos",
    "Nikolaou", "Panagiotopoulos", "Kostopoulos", "Apostolou", "Christou", "Anagnostou", "Petropoulos", "Lambrou",
    "Raptis", "Sotiropoulos", "Katsaros", "Galanis", "Kouris", "Mavros", "Lekkas", "Charalambous",
    "Zervas", "Diamantopoulos", "Fotiou", "Chatzidakis", "Kalogeropoulos", "Kanellopoulos", "Karras", "Kokkinos",
    "Kontos", "Kotsis", "Koutsoukos", "Liakos", "Manolakis", "Markopoulos", "Mylonas", "Nikas",
    "Papazoglou", "Paraskevopoulos", "Pavlidis", "Perdikis", "Politis", "Psaras", "Rallis", "Rigas",
    "Sarris", "Sfakianakis", "Spanos", "Stamatopoulos", "Stathopoulos", "Theodorakis", "Triantafyllou", "Tsakalos",
    "Tsoukalas", "Tzanetakis", "Vardakis", "Vassilakis", "Voulgaris", "Xenakis", "Zachariou", "Zafeiriou",
    "Zografos", "Argyropoulos", "Daskalakis", "Efthymiou", "Kazantzakis", "Lazaridis", "Moustakas", "Nomikos",
    "Orfanos", "Petrakis", "Skouras", "Stavrou", "Vlachopoulos", "Kalafatis", "Gounaris", "Dragoumis",
};

// --- scandinavian (Sweden, Norway, Denmark, Finland, Iceland) ---
const char *const scandinavianGiven[] = {
    "Lars", "Anders", "Johan", "Erik", "Per", "Nils", "Karl", "Olof",
    "Gustav", "Magnus", "Fredrik", "Henrik", "Mikael", "Jonas", "Oskar", "Axel",
    "Emil", "Viktor", "Elias", "Filip", "Isak", "Ludvig", "Linus", "Anton",
    "Rasmus", "Mads", "Jesper", "Søren", "Morten", "Mikkel", "Kasper", "Frederik",
    "Jens", "Niels", "Poul", "Bent", "Kjeld", "Torben", "Henning", "Flemming",
    "Ole", "Bjørn", "Knut", "Sigurd", "Håkon", "Eirik", "Øyvind", "Ola",
    "Kjetil", "Geir", "Trond", "Terje", "Svein", "Arne", "Tor", "Rune",
    "Stian", "Vegard", "Espen", "Sindre", "Sondre", "Jørgen", "Even", "Aksel",
    "Halvor", "Gunnar", "Leif", "Bengt", "Göran", "Sven", "Stig", "Åke",
    "Ulf", "Björn", "Tobias", "Pontus", "Joakim", "Mattias", "Viggo", "Einar",
    "Ragnar", "Jón", "Sigurður", "Guðmundur", "Ólafur", "Kristján", "Aron", "Heimir",
    "Birkir", "Mikko", "Jukka", "Matti", "Juha", "Timo", "Antti", "Ville",
    "Janne", "Pekka", "Kari", "Jari", "Sami", "Teemu", "Eero", "Aleksi",
    "Onni", "Väinö", "Lauri", "Tuomas", "Jussi", "Kimmo",
};
const char *const scandinavianSurnames[] = {
    "Johansson", "Andersson", "Karlsson", "Nilsson", "Eriksson", "Larsson", "Olsson", "Persson",
    "Svensson", "Gustafsson", "Pettersson", "Jonsson", "Jansson", "Hansson", "Bengtsson", "Jönsson",
    "Lindberg", "Jakobsson", "Magnusson", "Lindström", "Lindqvist", "Lindgren", "Berg", "Axelsson",
    "Bergström", "Lundberg", "Lundgren", "Lundqvist", "Mattsson", "Berglund", "Fredriksson", "Sandberg",
    "Henriksson", "Forsberg", "Sjöberg", "Wallin", "Engström", "Eklund", "Danielsson", "Lundin",
    "Håkansson", "Björk", "Bergman", "Holm", "Wikström", "Samuelsson", "Isaksson", "Fransson",
    "Bergqvist", "Nyström", "Holmberg", "Arvidsson", "Löfgren", "Söderberg", "Nyberg", "Blomqvist",
    "Claesson", "Nordström", "Mårtensson", "Lundström", "Hedlund", "Jensen", "Nielsen", "Hansen",
    "Pedersen", "Andersen", "Christensen", "Larsen", "Sørensen", "Rasmussen", "Jørgensen", "Petersen",
    "Madsen", "Kristensen", "Olsen", "Thomsen", "Christiansen", "Poulsen", "Johansen", "Møller",
    "Mortensen", "Haugen", "Bakken", "Dahl", "Lie", "Moe", "Strand", "Solberg",
    "Eide", "Halvorsen", "Korhonen", "Virtanen", "Mäkinen", "Nieminen", "Mäkelä", "Hämäläinen",
    "Laine", "Heikkinen", "Koskinen", "Järvinen", "Lehtonen", "Saarinen", "Salminen", "Niemi",
    "Sigurðsson", "Guðmundsson", "Jónsson", "Gunnarsson",
};

// --- italian ---
const char *const italianGiven[] = {
    "Giuseppe", "Giovanni", "Antonio", "Mario", "Luigi", "Francesco", "Angelo", "Vincenzo",
    "Pietro", "Salvatore", "Carlo", "Franco", "Domenico", "Bruno", "Paolo", "Michele",
    "Giorgio", "Aldo", "Sergio", "Luciano", "Roberto", "Stefano", "Marco", "Alessandro",
    "Andrea", "Luca", "Matteo", "Lorenzo", "Leonardo", "Gabriele", "Riccardo", "Tommaso",
    "Davide", "Federico", "Simone", "Daniele", "Emanuele", "Fabio", "Massimo", "Maurizio",
    "Claudio", "Giancarlo", "Gianluca", "Gianluigi", "Alberto", "Enrico", "Filippo", "Nicola",
    "Raffaele", "Pasquale", "Gennaro", "Ciro", "Rocco", "Cosimo", "Carmine", "Alfredo",
    "Arturo", "Cesare", "Dario", "Edoardo", "Elia", "Emilio", "Enzo", "Ettore",
    "Fausto", "Flavio", "Giacomo", "Gianni", "Guido", "Ignazio", "Jacopo", "Leone",
    "Lucio", "Mattia", "Mirko", "Nino", "Orlando", "Ottavio", "Piero", "Renato",
    "Rinaldo", "Romano", "Rosario", "Saverio", "Silvio", "Tiziano", "Ugo", "Umberto",
    "Valerio", "Vittorio", "Alessio", "Corrado", "Elio", "Fabrizio", "Gaetano", "Girolamo",
    "Marcello", "Nazzareno", "Ruggero", "Sandro", "Tullio", "Virgilio",
};
const char *const italianSurnames[] = {
    "Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo", "Ricci",
    "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa",
    "Giordano", "Rizzo", "Lombardi", "Moretti", "Barbieri", "Fontana", "Santoro", "Mariani",
    "Rinaldi", "Caruso", "Ferrara", "Galli", "Martini", "Leone", "Longo", "Gentile",
    "Martinelli", "Vitale", "Lombardo", "Serra", "Coppola", "De Santis", "D'Angelo", "Marchetti",
    "Parisi", "Villa", "Conte", "Ferraro", "Ferri", "Fabbri", "Bianco", "Marini",
    "Grasso", "Valentini", "Messina", "Sala", "De Angelis", "Gatti", "Pellegrini", "Palumbo",
    "Sanna", "Farina", "Rizzi", "Monti", "Cattaneo", "Morelli", "Amato", "Silvestri",
    "Mazza", "Testa", "Grassi", "Pellegrino", "Carbone", "Giuliani", "Benedetti", "Barone",
    "Rossetti", "Caputo", "Montanari", "Guerra", "Palmieri", "Bernardi", "Martino", "Fiore",
    "De Rosa", "Ferretti", "Bellini", "Basile", "Riva", "Donati", "Piras", "Vitali",
    "Battaglia", "Sartori", "Neri", "Costantini", "Milani", "Pagano", "Ruggiero", "Sorrentino",
    "D'Amico", "Orlando", "Negri", "Mantovani", "Bassi", "Cirillo", "Fumagalli", "Locatelli",
};

// --- dutch (Netherlands, South Africa) ---
const char *const dutchGiven[] = {
    "Jan", "Pieter", "Johannes", "Hendrik", "Cornelis", "Willem", "Gerrit", "Jacobus",
    "Dirk", "Adriaan", "Bas", "Bram", "Daan", "Sem", "Thijs", "Ruben",
    "Stijn", "Jeroen", "Joost", "Maarten", "Sander", "Koen", "Wouter", "Rick",
    "Kees", "Henk", "Wim", "Joop", "Piet", "Klaas", "Arie", "Teun",
    "Jaap", "Ruud", "Edwin", "Arjen", "Wesley", "Rutger", "Gijs", "Floris",
    "Jasper", "Tijmen", "Jelle", "Sjoerd", "Hidde", "Wessel", "Mees", "Siem",
    "Luuk", "Jurre", "Thom", "Tygo", "Olaf", "Menno", "Jochem", "Frits",
    "Gert", "Harm", "Marinus", "Theo", "Ton", "Huub", "Geert", "Bart",
    "Rob", "Roel", "Michiel", "Reinout", "Coen", "Laurens", "Frenkie", "Dick",
    "Guus", "Leen", "Rinus", "Aart", "Dolf", "Evert", "Jaco", "Schalk",
    "Frik", "Danie", "Jannie", "Kobus", "Morné", "Riaan", "Gerhardus", "Stefanus",
    "Hennie", "Japie", "Naas", "Wynand", "Ruan", "Eben", "Handré", "Tiaan",
    "Theuns", "Deon", "Hannes", "Francois", "Gideon", "Marthinus", "Petrus", "Barend",
};
const char *const dutchSurnames[] = {
    "de Jong", "Jansen", "de Vries", "van den Berg", "van Dijk", "Bakker", "Janssen", "Visser",
    "Smit", "Meijer", "de Boer", "Mulder", "de Groot", "Bos", "Vos", "Peters",
    "Hendriks", "van Leeuwen", "Dekker", "Brouwer", "de Wit", "Dijkstra", "Smits", "de Graaf",
    "van der Meer", "van der Linden", "Kok", "Jacobs", "de Haan", "Vermeulen", "van den Heuvel", "van der Veen",
    "van den Broek", "de Bruijn", "van der Heijden", "Schouten", "van Beek", "Willems", "van Vliet", "van de Ven",
    "Hoekstra", "Maas", "Verhoeven", "Koster", "van Dam", "van der Wal", "Prins", "Blom",
    "Huisman", "Peeters", "de Jonge", "Kuipers", "van Veen", "Post", "Veenstra", "Kramer",
    "van den Brink", "Scholten", "van Wijk", "Postma", "Martens", "Vink", "de Ruiter", "Timmermans",
    "Groen", "Gerritsen", "Jonker", "van Loon", "van der Velde", "Willemsen", "Smeets", "de Lange",
    "de Vos", "Bosch", "van Dongen", "Schipper", "de Koning", "van der Laan", "Driessen", "van Doorn",
    "Hermans", "Evers", "van den Bosch", "van der Meulen", "Hofman", "Bosman", "Wolters", "Verbeek",
    "Botha", "van der Merwe", "du Plessis", "Steyn", "Pretorius", "Venter", "Coetzee", "Nel",
    "Joubert", "Kruger", "van Wyk", "Fourie", "Swanepoel", "Viljoen", "Erasmus", "du Toit",
    "Marais", "Engelbrecht", "le Roux", "Potgieter", "Louw", "Bezuidenhout", "Myburgh", "Cronje",
    "Theron", "Snyman", "Oosthuizen",
};

// --- balkan (Croatia, Serbia, Bosnia and Herzegovina, Montenegro) ---
const char *const balkanGiven[] = {
    "Marko", "Luka", "Ivan", "Petar", "Nikola", "Stefan", "Aleksandar", "Milan",
    "Dragan", "Zoran", "Goran", "Dejan", "Nenad", "Miloš", "Vladimir", "Dušan",
    "Bojan", "Darko", "Igor", "Srđan", "Saša", "Vuk", "Filip", "Lazar",
    "Uroš", "Nemanja", "Đorđe", "Branko", "Slobodan", "Miroslav", "Radovan", "Predrag",
    "Željko", "Zlatko", "Tomislav", "Ante", "Josip", "Mate", "Stjepan", "Krunoslav",
    "Hrvoje", "Domagoj", "Dario", "Davor", "Damir", "Edin", "Emir", "Adnan",
    "Amar", "Haris", "Kenan", "Mirza", "Nermin", "Senad", "Tarik", "Jasmin",
    "Almir", "Elvir", "Dino", "Ognjen", "Mladen", "Milorad", "Miodrag", "Novak",
    "Radoslav", "Rade", "Ratko", "Sava", "Siniša", "Stevan", "Veljko", "Vojislav",
    "Zdravko", "Živko", "Božidar", "Čedomir", "Danilo", "Duško", "Ivica", "Jovan",
    "Kristijan", "Ljubomir", "Mihajlo", "Milivoje", "Momčilo", "Nebojša", "Pavle", "Radomir",
    "Ranko", "Strahinja", "Tihomir", "Vedran", "Velimir", "Vinko", "Zvonimir", "Bogdan",
    "Borna", "Jakov", "Karlo", "Matej", "Nikša", "Roko", "Šime", "Toni",
};
const char *const balkanSurnames[] = {
    "Horvat", "Kovačević", "Babić", "Marić", "Jurić", "Novak", "Kovačić", "Knežević",
    "Vuković", "Marković", "Petrović", "Matić", "Tomić", "Pavlović", "Božić", "Blažević",
    "Grgić", "Pavić", "Radić", "Perić", "Kovač", "Šarić", "Lovrić", "Vidović",
    "Nikolić", "Jovanović", "Đorđević", "Ilić", "Stanković", "Stojanović", "Milošević", "Popović",
    "Mitrović", "Živković", "Janković", "Todorović", "Lazić", "Ristić", "Kostić", "Milovanović",
    "Stefanović", "Savić", "Obradović", "Pešić", "Simić", "Radović", "Đurić", "Vasić",
    "Zorić", "Mihajlović", "Krstić", "Milenković", "Vasiljević", "Marjanović", "Stojković", "Aleksić",
    "Cvetković", "Dimitrijević", "Jović", "Lukić", "Mladenović", "Radosavljević", "Filipović", "Dragić",
    "Bajramović", "Hodžić", "Hadžić", "Begić", "Delić", "Mehmedović", "Husić", "Omerović",
    "Halilović", "Alić", "Hasanović", "Salihović", "Imamović", "Mujić", "Ibrahimović", "Suljić",
    "Softić", "Čolak", "Džeko", "Pjanić", "Modrić", "Rakitić", "Perišić", "Brozović",
    "Lovren", "Ćorluka", "Srna", "Šuker", "Boban", "Bilić", "Štimac", "Vukčević",
    "Đukanović", "Radulović", "Bulatović", "Vujović", "Vučinić", "Lekić", "Đurović", "Kalinić",
};

// --- russian (Russia, Ukraine, Belarus, Kazakhstan) ---
const char *const russianGiven[] = {
    "Aleksandr", "Sergei", "Dmitri", "Andrei", "Alexei", "Maxim", "Ivan", "Mikhail",
    "Nikolai", "Vladimir", "Yevgeny", "Pavel", "Roman", "Artem", "Denis", "Anton",
    "Igor", "Oleg", "Viktor", "Yuri", "Konstantin", "Vladislav", "Kirill", "Ilya",
    "Nikita", "Stanislav", "Vitaly", "Vadim", "Gennady", "Boris", "Leonid", "Anatoly",
    "Valery", "Vasily", "Grigory", "Ruslan", "Fyodor", "Stepan", "Matvei", "Yegor",
    "Arseny", "Bogdan", "Vyacheslav", "Yaroslav", "Gleb", "Lev", "Daniil", "Georgy",
    "Semyon", "Timofei", "Zakhar", "Arkady", "Eduard", "Gavriil", "Innokenty", "Makar",
    "Nazar", "Platon", "Prokhor", "Rodion", "Savely", "Taras", "Trofim", "Vsevolod",
    "Yakov", "Yefim", "Oleksandr", "Volodymyr", "Mykola", "Vasyl", "Andriy", "Oleksiy",
    "Dmytro", "Serhiy", "Yuriy", "Petro", "Ostap", "Bohdan", "Maksym", "Artur",
    "Ihor", "Siarhei", "Uladzimir", "Aliaksandr", "Timur", "Marat", "Rustam", "Renat",
    "Ilyas", "Valentin", "Filipp", "Afanasy", "Luka", "Mstislav", "Svyatoslav", "Miroslav",
    "Yemelyan", "Feliks", "Kuzma", "Nikifor",
    "Veniamin", "Kazimir", "Demyan", "Lavr",
};
const char *const russianSurnames[] = {
    "Ivanov", "Smirnov", "Kuznetsov", "Popov", "Vasiliev", "Petrov", "Sokolov", "Mikhailov",
    "Novikov", "Fedorov", "Morozov", "Volkov", "Alekseev", "Lebedev", "Semenov", "Egorov",
    "Pavlov", "Kozlov", "Stepanov", "Nikolaev", "Orlov", "Andreev", "Makarov", "Nikitin",
    "Zakharov", "Zaitsev", "Solovyov", "Borisov", "Yakovlev", "Grigoriev", "Romanov", "Vorobyov",
    "Sergeev", "Kuzmin", "Frolov", "Alexandrov", "Dmitriev", "Korolev", "Gusev", "Kiselev",
    "Ilyin", "Maksimov", "Polyakov", "Sorokin", "Vinogradov", "Kovalev", "Belov", "Medvedev",
    "Antonov", "Tarasov", "Zhukov", "Baranov", "Filippov", "Komarov", "Davydov", "Belyaev",
    "Gerasimov", "Bogdanov", "Osipov", "Sidorov", "Matveev", "Titov", "Markov", "Mironov",
    "Krylov", "Kulikov", "Karpov", "Vlasov", "Melnikov", "Denisov", "Gavrilov", "Tikhonov",
    "Kazakov", "Afanasyev", "Danilov", "Timofeev", "Fomin", "Chernov", "Abramov", "Martynov",
    "Efimov", "Shcherbakov", "Nazarov", "Kalinin", "Isaev", "Bykov", "Maslov", "Lazarev",
    "Voronin", "Klimov", "Golubev", "Prokhorov", "Shevchenko", "Kovalenko", "Bondarenko", "Tkachenko",
    "Kravchenko", "Oliynyk", "Melnyk", "Klitschko", "Usyk", "Lomachenko", "Golovkin", "Sapiyev",
};

// --- eastern_european (Poland, Czech Republic, Slovakia, Hungary, Romania, Bulgaria, the Baltics) ---
const char *const easternEuropeanGiven[] = {
    "Piotr", "Krzysztof", "Andrzej", "Tomasz", "Paweł", "Michał", "Marcin", "Jakub",
    "Łukasz", "Kamil", "Grzegorz", "Mateusz", "Wojciech", "Mariusz", "Dariusz", "Zbigniew",
    "Jerzy", "Tadeusz", "Jacek", "Rafał", "Bartosz", "Szymon", "Kacper", "Dawid",
    "Przemysław", "Radosław", "Sławomir", "Mirosław", "Jiří", "Petr", "Tomáš", "Jaroslav",
    "Zdeněk", "Václav", "Vojtěch", "Ondřej", "Lukáš", "Matěj", "Radek", "Libor",
    "Vladimír", "Karel", "Ladislav", "Marek", "Juraj", "Ľubomír", "László", "István",
    "József", "János", "Zoltán", "Sándor", "Ferenc", "Gábor", "Attila", "Tibor",
    "Péter", "Tamás", "Zsolt", "Balázs", "Csaba", "Gergely", "Levente", "Bence",
    "Ádám", "Krisztián", "Imre", "Lajos", "Gyula", "Mihai", "Ion", "Gheorghe",
    "Vasile", "Constantin", "Nicolae", "Dumitru", "Ștefan", "Florin", "Cristian", "Marius",
    "Ionuț", "Alexandru", "Răzvan", "Sorin", "Ovidiu", "Lucian", "Cosmin", "Georgi",
    "Dimitar", "Ivaylo", "Hristo", "Stoyan", "Todor", "Krasimir", "Plamen", "Kaloyan",
    "Tsvetan", "Jānis", "Andris", "Māris", "Kārlis", "Mindaugas", "Vytautas", "Arūnas",
    "Žydrūnas", "Šarūnas", "Tõnu", "Jaan", "Rein", "Taavi",
};
const char *const easternEuropeanSurnames[] = {
    "Nowak", "Kowalski", "Wiśniewski", "Wójcik", "Kowalczyk", "Kamiński", "Lewandowski", "Zieliński",
    "Szymański", "Woźniak", "Dąbrowski", "Kozłowski", "Jankowski", "Mazur", "Wojciechowski", "Kwiatkowski",
    "Krawczyk", "Kaczmarek", "Piotrowski", "Grabowski", "Zając", "Pawłowski", "Michalski", "Król",
    "Wieczorek", "Jabłoński", "Wróbel", "Majewski", "Olszewski", "Malinowski", "Jaworski", "Adamczyk",
    "Dudek", "Nowicki", "Pawlak", "Górski", "Witkowski", "Walczak", "Sikora", "Novák",
    "Svoboda", "Novotný", "Dvořák", "Černý", "Procházka", "Kučera", "Veselý", "Horák",
    "Němec", "Pokorný", "Pospíšil", "Hájek", "Jelínek", "Král", "Růžička", "Beneš",
    "Fiala", "Sedláček", "Doležal", "Zeman", "Kolář", "Navrátil", "Kováč", "Varga",
    "Tóth", "Nagy", "Horváth", "Kovács", "Szabó", "Kiss", "Molnár", "Németh",
    "Farkas", "Balogh", "Papp", "Takács", "Juhász", "Lakatos", "Mészáros", "Oláh",
    "Popescu", "Ionescu", "Popa", "Radu", "Stoica", "Ciobanu", "Munteanu", "Florea",
    "Dobre", "Barbu", "Nistor", "Georgiev", "Dimitrov", "Hristov", "Stoyanov", "Todorov",
    "Kolev", "Nikolov", "Kazlauskas", "Jankauskas", "Petrauskas", "Paulauskas", "Bērziņš", "Kalniņš",
    "Ozoliņš", "Tamm", "Saar", "Sepp",
};

// --- arab (the Arab world, North Africa, Iran, Afghanistan) ---
const char *const arabGiven[] = {
    "Mohammed", "Ahmed", "Ali", "Omar", "Khalid", "Youssef", "Hassan", "Hussein",
    "Ibrahim", "Abdullah", "Mahmoud", "Mustafa", "Karim", "Tariq", "Samir", "Walid",
    "Nabil", "Faisal", "Fahad", "Sultan", "Saeed", "Salem", "Saleh", "Majid",
    "Rashid", "Nasser", "Hamza", "Bilal", "Anas", "Ayman", "Bassam", "Adel",
    "Amir", "Amjad", "Ashraf", "Badr", "Fadi", "Fares", "Ghassan", "Hadi",
    "Haitham", "Hatem", "Hisham", "Imad", "Issa", "Jamal", "Jamil", "Kamal",
    "Laith", "Mazen", "Marwan", "Moataz", "Mounir", "Nader", "Nizar", "Osama",
    "Qasim", "Rami", "Riyad", "Sami", "Sharif", "Suleiman", "Talal", "Tamer",
    "Wael", "Yasser", "Yazan", "Yahya", "Zaid", "Ziad", "Zakaria", "Abdelaziz",
    "Abdelkader", "Abderrahmane", "Amine", "Ayoub", "Hakim", "Ismail", "Jalal", "Kais",
    "Lotfi", "Mehdi", "Mourad", "Othman", "Raed", "Sofiane", "Tahar", "Yassine",
    "Younes", "Zinedine", "Hamad", "Mansour", "Mubarak", "Obaid", "Khalifa", "Rayan",
    "Ehab", "Farid", "Habib", "Reza", "Hossein", "Mahdi", "Javad", "Farhad",
};
const char *const arabSurnames[] = {
    "Al-Ahmad", "Al-Ali", "Al-Amin", "Al-Amri", "Al-Ansari", "Al-Attiyah", "Al-Baghdadi", "Al-Dosari",
    "Al-Ghamdi", "Al-Habsi", "Al-Hashimi", "Al-Harbi", "Al-Jaber", "Al-Kaabi", "Al-Masri", "Al-Mutairi",
    "Al-Naimi", "Al-Otaibi", "Al-Qahtani", "Al-Rashid", "Al-Saadi", "Al-Shammari", "Al-Shehri", "Al-Sulaiti",
    "Al-Zahrani", "Al-Zaabi", "Al-Marri", "Al-Hajri", "Al-Shamsi", "Al-Mazrouei", "Al-Suwaidi", "Abboud",
    "Awad", "Aziz", "Barakat", "Bakri", "Boutros", "Darwish", "Fakhoury", "Farah",
    "Ghanem", "Haddad", "Hakimi", "Halabi", "Hamadi", "Hamdan", "Hariri", "Helou",
    "Kanaan", "Karam", "Khalil", "Khatib", "Khoury", "Maalouf", "Mahfouz", "Mansouri",
    "Nassar", "Najjar", "Nasrallah", "Obeid", "Qassem", "Rahal", "Rizk", "Saad",
    "Sabbagh", "Said", "Salameh", "Shaheen", "Tawil", "Yassin", "Zaki", "Zein",
    "Zidane", "Benali", "Bensaid", "Boudiaf", "Belkacem", "Belhadj", "Brahimi", "Cherif",
    "El Amrani", "El Idrissi", "El Fassi", "Bennani", "Tazi", "Alaoui", "Berrada", "Chraibi",
    "Trabelsi", "Jaziri", "Ben Youssef", "Gharbi", "Mejri", "Hammami", "Dridi", "Ayari",
    "Osman", "Shalaby", "Hegazy", "Salah", "Fathy", "Gaber", "Hosny", "Soliman",
    "Ahmadi", "Hosseini", "Karimi", "Rahimi", "Mohammadi", "Rezaei",
};

// --- african (Sub-Saharan Africa) ---
const char *const africanGiven[] = {
    "Kwame", "Kofi", "Kwabena", "Kwaku", "Yaw", "Kojo", "Kwesi", "Kobina",
    "Fiifi", "Ebo", "Chinedu", "Chukwuemeka", "Emeka", "Obinna", "Ikenna", "Nnamdi",
    "Chidi", "Uchenna", "Ifeanyi", "Oluwaseun", "Olumide", "Babatunde", "Adebayo", "Ayodele",
    "Oluwafemi", "Tunde", "Segun", "Femi", "Kayode", "Abiodun", "Musa", "Aliyu",
    "Abubakar", "Sani", "Themba", "Sipho", "Thabo", "Mandla", "Sizwe", "Bongani",
    "Lwazi", "Siyabonga", "Jabulani", "Mpho", "Tshepo", "Kagiso", "Tebogo", "Thulani",
    "Vusi", "Xolani", "Mthunzi", "Njabulo", "Sibusiso", "Tendai", "Tatenda", "Farai",
    "Tafadzwa", "Kudakwashe", "Tinashe", "Kamau", "Kiprono", "Kibet", "Otieno", "Ochieng",
    "Odhiambo", "Omondi", "Mwangi", "Njoroge", "Juma", "Baraka", "Jabari", "Amani",
    "Bakari", "Hamisi", "Abebe", "Haile", "Kebede", "Tesfaye", "Yohannes", "Dawit",
    "Getachew", "Mamadou", "Moussa", "Ousmane", "Amadou", "Cheikh", "Modou", "Lamine",
    "Ibrahima", "Samba", "Boubacar", "Souleymane", "Idrissa", "Seydou", "Adama", "Aliou",
    "Emmanuel", "Samuel", "Patrice", "Joseph", "Kelechi", "Taiwo", "Kehinde", "Chiwetel",
};
const char *const africanSurnames[] = {
    "Mensah", "Asante", "Owusu", "Boateng", "Appiah", "Osei", "Adjei", "Agyemang",
    "Ansah", "Amoah", "Annan", "Darko", "Gyan", "Essien", "Frimpong", "Ofori",
    "Opoku", "Quaye", "Sarpong", "Tetteh", "Okafor", "Okonkwo", "Eze", "Nwosu",
    "Obi", "Okeke", "Okoro", "Chukwu", "Nwachukwu", "Ibe", "Adeyemi", "Ogunleye",
    "Olawale", "Balogun", "Bakare", "Afolabi", "Akinola", "Ojo", "Lawal", "Bello",
    "Danjuma", "Yakubu", "Dlamini", "Nkosi", "Ndlovu", "Khumalo", "Mthembu", "Zulu",
    "Ngcobo", "Mokoena", "Sithole", "Mahlangu", "Shabalala", "Cele", "Buthelezi", "Mabaso",
    "Mkhize", "Radebe", "Maseko", "Molefe", "Modise", "Moyo", "Ncube", "Sibanda",
    "Mpofu", "Dube", "Mutasa", "Kamau", "Mwangi", "Otieno", "Kipruto", "Kiprop",
    "Rotich", "Kosgei", "Cheruiyot", "Wanyama", "Okoth", "Onyango", "Wekesa", "Mutua",
    "Kimani", "Bekele", "Tadesse", "Girma", "Diop", "Ndiaye", "Diallo", "Sow",
    "Fall", "Faye", "Sarr", "Gueye", "Cissé", "Traoré", "Keita", "Koné",
    "Touré", "Camara", "Diarra", "Sissoko", "Sylla", "Kouyaté", "Baldé", "Eto'o",
    "Mbarga", "Ngono", "Nkoulou", "Mbia", "Atangana", "Essomba", "Fouda", "Owona",
};

// --- israeli ---
const char *const israeliGiven[] = {
    "Avi", "Yossi", "Moshe", "David", "Itay", "Omer", "Noam", "Eitan",
    "Amit", "Yonatan", "Daniel", "Ariel", "Ido", "Lior", "Nadav", "Oren",
    "Roi", "Shai", "Tal", "Tomer", "Uri", "Yair", "Yuval", "Ziv",
    "Gal", "Guy", "Eyal", "Gil", "Ronen", "Ran", "Dror", "Erez",
    "Ofer", "Alon", "Amir", "Asaf", "Avraham", "Yitzhak", "Yaakov", "Shlomo",
    "Eliyahu", "Yosef", "Shimon", "Reuven", "Binyamin", "Menachem", "Mordechai", "Ehud",
    "Gideon", "Boaz", "Dov", "Efraim", "Elad", "Elior", "Gilad", "Hanan",
    "Itamar", "Kobi", "Liran", "Matan", "Meir", "Nir", "Ofir", "Oded",
    "Omri", "Raz", "Sagi", "Shachar", "Shaul", "Tzvi", "Yehuda", "Yigal",
    "Yoav", "Zohar", "Almog", "Aviv", "Barak", "Dotan", "Eli", "Elazar",
    "Gadi", "Hillel", "Nimrod", "Nitzan", "Amnon", "Arik", "Baruch", "Chaim",
    "Doron", "Ezra", "Natan", "Nachum", "Pinchas", "Rafi", "Yehoshua", "Yoram",
    "Zeev", "Shmuel", "Yishai", "Avner", "Amos", "Tzachi", "Yaniv", "Udi",
};
const char *const israeliSurnames[] = {
    "Cohen", "Levi", "Mizrahi", "Peretz", "Biton", "Dahan", "Avraham", "Friedman",
    "Azoulay", "Malka", "Katz", "Amar", "Ohana", "Vaknin", "Shapiro", "Goldberg",
    "Rosenberg", "Klein", "Ben-David", "Ben-Ami", "Ben-Haim", "Ben-Shimon", "Gabay", "Hadad",
    "Yosef", "Elbaz", "Ashkenazi", "Sasson", "Edri", "Kaplan", "Levin", "Segal",
    "Weiss", "Shalom", "Barak", "Golan", "Carmeli", "Sharon", "Navon", "Ben-Ari",
    "Ben-Yosef", "Shamir", "Meir", "Dayan", "Eliyahu", "Yitzhak", "Sabag", "Swisa",
    "Buzaglo", "Turgeman", "Abutbul", "Ben-Shushan", "Alon", "Ronen", "Shachar", "Margalit",
    "Nahum", "Reuven", "Ben-Zvi", "Gross", "Horowitz", "Rubin", "Schwartz", "Stern",
    "Greenberg", "Weinberg", "Feldman", "Berkowitz", "Lieberman", "Lerner", "Lev", "Oz",
    "Peled", "Porat", "Regev", "Rosen", "Shani", "Tzur", "Yaron", "Ziv",
    "Bar", "Baruch", "Dror", "Eshel", "Galili", "Hazan", "Tamir", "Shemesh",
    "Elkayam", "Hayun", "Ifergan", "Knafo", "Marciano", "Ohayon", "Toledano", "Benayoun",
    "Zilberman", "Rabinovich", "Goldstein", "Mor", "Sela", "Avidan", "Harel", "Naor",
};

// --- turkic (Turkey, Turkmenistan, Uzbekistan) ---
const char *const turkicGiven[] = {
    "Mehmet", "Mustafa", "Ahmet", "Ali", "Hüseyin", "Hasan", "İbrahim", "İsmail",
    "Osman", "Yusuf", "Murat", "Ömer", "Ramazan", "Halil", "Süleyman", "Abdullah",
    "Mahmut", "Salih", "Kemal", "Recep", "Orhan", "Fatih", "Emre", "Burak",
    "Serkan", "Hakan", "Tolga", "Cem", "Can", "Ozan", "Onur", "Kaan",
    "Barış", "Berk", "Cenk", "Deniz", "Doğan", "Efe", "Emir", "Enes",
    "Eren", "Erkan", "Ercan", "Gökhan", "Selim", "Sinan", "Taner", "Tarık",
    "Tayfun", "Uğur", "Ufuk", "Umut", "Volkan", "Yasin", "Yiğit", "Yunus",
    "Arda", "Alper", "Baran", "Batuhan", "Berkay", "Cihan", "Furkan", "Kerem",
    "Koray", "Levent", "Metin", "Mert", "Nihat", "Oğuz", "Okan", "Oktay",
    "Rıza", "Sabri", "Şükrü", "Tuncay", "Turgut", "Yavuz", "Zafer", "Bülent",
    "Erdem", "Ferhat", "İlker", "Kadir", "Kenan", "Necati", "Orkun", "Serdar",
    "Sertaç", "Timur", "Rustam", "Bakhodir", "Dilshod", "Shavkat", "Sherzod", "Jasur",
    "Otabek", "Ulugbek", "Bekzod", "Farrukh", "Nurlan", "Azamat", "Kairat", "Serik",
};
const char *const turkicSurnames[] = {
    "Yılmaz", "Kaya", "Demir", "Şahin", "Çelik", "Yıldız", "Yıldırım", "Öztürk",
    "Aydın", "Özdemir", "Arslan", "Doğan", "Kılıç", "Aslan", "Çetin", "Kara",
    "Koç", "Kurt", "Özkan", "Şimşek", "Polat", "Özcan", "Korkmaz", "Çakır",
    "Erdoğan", "Yavuz", "Can", "Acar", "Şen", "Aktaş", "Güler", "Yalçın",
    "Güneş", "Bozkurt", "Bulut", "Keskin", "Ünal", "Turan", "Gül", "Özer",
    "Işık", "Kaplan", "Avcı", "Sarı", "Tekin", "Taş", "Köse", "Yüksel",
    "Ateş", "Aksoy", "Karaca", "Altun", "Duman", "Sönmez", "Uçar", "Güven",
    "Erdem", "Akın", "Tunç", "Akbulut", "Bayram", "Çiftçi", "Coşkun", "Demirci",
    "Demirel", "Ekinci", "Eren", "Ergin", "Gündoğdu", "Gürbüz", "Karakaya", "Karataş",
    "Kahraman", "Mutlu", "Okur", "Oral", "Özbek", "Özgür", "Özkaya", "Sezer",
    "Soylu", "Tan", "Toprak", "Tuna", "Uysal", "Yaman", "Yazıcı", "Zengin",
    "Alimov", "Karimov", "Rakhimov", "Yusupov", "Rashidov", "Ismoilov", "Sultanov", "Usmonov",
    "Mirzaev", "Tursunov", "Khodjaev", "Abdullaev", "Atayev", "Berdiyev", "Orazov", "Gurbanov",
};

// --- japanese ---
const char *const japaneseGiven[] = {
    "Hiroshi", "Takashi", "Kenji", "Satoshi", "Makoto", "Daisuke", "Kazuki", "Takuya",
    "Naoki", "Shota", "Ryota", "Yuta", "Kenta", "Daiki", "Haruto", "Sota",
    "Yuto", "Riku", "Ren", "Hayato", "Kaito", "Yamato", "Sho", "Tsubasa",
    "Takumi", "Kazuya", "Tomoya", "Yusuke", "Kosuke", "Keisuke", "Shunsuke", "Ryosuke",
    "Shinji", "Koji", "Akira", "Hideki", "Hideo", "Hiroki", "Hiroyuki", "Ichiro",
    "Jiro", "Saburo", "Kaoru", "Kei", "Ken", "Kenichi", "Kiyoshi", "Masaki",
    "Masaru", "Masato", "Masashi", "Masahiro", "Minoru", "Mitsuru", "Nobuo", "Noboru",
    "Osamu", "Ryo", "Ryuji", "Seiji", "Shigeru", "Shin", "Shingo", "Shinya",
    "Shohei", "Shuichi", "Susumu", "Tadashi", "Takahiro", "Takeshi", "Taro", "Tatsuya",
    "Tetsuya", "Toshiaki", "Toshio", "Tsuyoshi", "Yasuhiro", "Yasuo", "Yoichi", "Yoshiaki",
    "Yoshio", "Yuichi", "Yuji", "Yukio", "Yutaka", "Atsushi", "Goro", "Hajime",
    "Isamu", "Junichi", "Kazuhiro", "Kazuo", "Manabu", "Naoya", "Norio", "Ryuichi",
    "Tomohiro", "Toru", "Wataru", "Yoshinori", "Masayuki", "Hikaru", "Itsuki", "Ryusei",
};
const char *const japaneseSurnames[] = {
    "Sato", "Suzuki", "Takahashi", "Tanaka", "Watanabe", "Ito", "Yamamoto", "Nakamura",
    "Kobayashi", "Kato", "Yoshida", "Yamada", "Sasaki", "Yamaguchi", "Matsumoto", "Inoue",
    "Kimura", "Hayashi", "Shimizu", "Yamazaki", "Mori", "Abe", "Ikeda", "Hashimoto",
    "Yamashita", "Ishikawa", "Nakajima", "Maeda", "Fujita", "Ogawa", "Goto", "Okada",
    "Hasegawa", "Murakami", "Kondo", "Ishii", "Saito", "Sakamoto", "Endo", "Aoki",
    "Fujii", "Nishimura", "Fukuda", "Ota", "Miura", "Fujiwara", "Okamoto", "Matsuda",
    "Nakagawa", "Nakano", "Harada", "Ono", "Tamura", "Takeuchi", "Kaneko", "Wada",
    "Nakayama", "Ishida", "Ueda", "Morita", "Hara", "Shibata", "Sakai", "Kudo",
    "Yokoyama", "Miyazaki", "Miyamoto", "Uchida", "Takagi", "Ando", "Taniguchi", "Ohno",
    "Maruyama", "Imai", "Takada", "Fujimoto", "Takeda", "Murata", "Ueno", "Sugiyama",
    "Masuda", "Sugawara", "Hirano", "Otsuka", "Chiba", "Kubo", "Matsui", "Iwasaki",
    "Sakurai", "Kinoshita", "Noguchi", "Matsuo", "Nomura", "Kikuchi", "Sano", "Onishi",
    "Sugimoto", "Arai", "Hamada", "Ichikawa", "Furukawa", "Mizuno", "Komatsu", "Shimada",
};

// --- korean ---
const char *const koreanGiven[] = {
    "Min-jun", "Seo-jun", "Do-yun", "Ye-jun", "Si-woo", "Ha-jun", "Ji-ho", "Ju-won",
    "Ji-hoon", "Jun-seo", "Joon-young", "Hyun-woo", "Sung-min", "Dong-hyun", "Jae-won", "Min-ho",
    "Seung-hoon", "Tae-yang", "Kyung-soo", "Jong-hoon", "Young-ho", "Sang-woo", "Woo-jin", "Jin-woo",
    "Hyun-jun", "Ji-sung", "Heung-min", "Chan-ho", "Dae-ho", "Hyun-soo", "Jung-ho", "Byung-hun",
    "Kwang-hyun", "Myung-bo", "Jae-sung", "Tae-hyun", "Sung-hoon", "Sang-hyuk", "Jun-ho", "Chul-soo",
    "Young-soo", "Min-soo", "Dong-wook", "Jae-hyun", "Seok-jin", "Nam-joon", "Yoon-gi", "Ho-seok",
    "Ji-min", "Tae-hyung", "Jung-kook", "Jae-joong", "Yun-ho", "Kang-in", "Hee-chan", "Ui-jo",
    "Kyu-hyun", "Sung-yong", "Chung-yong", "Hyung-sik", "Seung-gi", "Joo-hyuk", "Woo-sung", "Jung-woo",
    "In-sung", "Byung-chul", "Sang-chul", "Dong-gun", "Jin-ho", "Won-bin", "Hyun-bin", "Seung-woo",
    "Jae-beom", "Tae-min", "Kyung-ho", "Min-hyuk", "Do-hyun", "Hyun-seok", "Jong-min", "Yong-jun",
    "Seung-ho", "Ki-bum", "Sung-jae", "Woo-hyun", "Eun-woo", "Jae-wook", "Si-hoon", "Ho-jun",
    "Kang-min", "Tae-woo", "Chang-min", "Dong-hae", "Sung-hyun", "Young-jae", "Gun-woo", "Seo-jin",
    "Yeon-woo", "Min-seok", "Jae-min", "Jun-su", "Dong-ha", "Kyung-min", "Sang-min", "Hyun-tae",
};
const char *const koreanSurnames[] = {
    "Kim", "Lee", "Park", "Choi", "Jung", "Kang", "Cho", "Yoon",
    "Jang", "Lim", "Han", "Oh", "Seo", "Shin", "Kwon", "Hwang",
    "Ahn", "Song", "Yoo", "Hong", "Jeon", "Ko", "Moon", "Yang",
    "Son", "Bae", "Baek", "Heo", "Nam", "Sim", "Noh", "Ha",
    "Kwak", "Sung", "Cha", "Joo", "Woo", "Koo", "Min", "Ryu",
    "Na", "Jin", "Ji", "Eom", "Chae", "Won", "Cheon", "Bang",
    "Gong", "Hyun", "Ham", "Byun", "Yeom", "Yeo", "Chu", "Do",
    "So", "Seok", "Seon", "Seol", "Ma", "Gil", "Pyo", "Myung",
    "Ki", "Ban", "Ra", "Wang", "Geum", "Ok", "Yook", "In",
    "Maeng", "Je", "Mo", "Tak", "Kook", "Yeon", "Eo", "Eun",
    "Pyeon", "Yong", "Ye", "Kyung", "Bong", "Sa", "Bu", "Hwangbo",
    "Namgung", "Jegal", "Seomun", "Dokgo", "Sunwoo", "Sagong", "Dongbang", "Gal",
    "Tae", "Pi", "Gam", "Dan", "Kye", "Hyung",
};

// --- chinese (China, Taiwan, Mongolia, Singapore) ---
const char *const chineseGiven[] = {
    "Wei", "Jun", "Hao", "Lei", "Tao", "Ming", "Jian", "Qiang",
    "Yong", "Jie", "Bo", "Chao", "Peng", "Gang", "Bin", "Kai",
    "Long", "Xiang", "Feng", "Zhiwei", "Haoran", "Zihao", "Yuxuan", "Jianguo",
    "Zhiqiang", "Jianjun", "Weidong", "Xiaoming", "Zhihao", "Yuhang", "Haoyu", "Junjie",
    "Jiahao", "Zhenyu", "Tianyu", "Yichen", "Zixuan", "Hongwei", "Guoqiang", "Jianhua",
    "Wenbin", "Xiaolong", "Dawei", "Lianjie", "Shuai", "Rui", "Xin", "Yu",
    "Fei", "Hang", "Liang", "Ning", "Yi", "Zhen", "Ze", "Zhe",
    "Cheng", "Dong", "Hua", "Kun", "Nan", "Ping", "Sheng", "Wen",
    "Jiale", "Jiawei", "Jingyu", "Junhao", "Kaiwen", "Mingze", "Shengli", "Tianhao",
    "Wenjie", "Xiaobo", "Xuyang", "Yifan", "Yongjun", "Zeyu", "Zhengyang", "Ziyang",
    "Chenglong", "Jinlong", "Haifeng", "Haitao", "Hongbo", "Jianping", "Jinhua", "Liwei",
    "Shaoqiang", "Weiming", "Xiaodong", "Xiaojun", "Yunfei", "Zhanpeng", "Zhiyong", "Guangyu",
    "Hanwen", "Bowen", "Chenxi", "Dingxiang", "Yaoming", "Zhongyi", "Yuanhao", "Mingyu",
};
const char *const chineseSurnames[] = {
    "Wang", "Li", "Zhang", "Liu", "Chen", "Yang", "Huang", "Zhao",
    "Wu", "Zhou", "Xu", "Sun", "Ma", "Zhu", "Hu", "Guo",
    "He", "Gao", "Lin", "Luo", "Zheng", "Liang", "Xie", "Song",
    "Tang", "Han", "Feng", "Deng", "Cao", "Peng", "Zeng", "Xiao",
    "Tian", "Dong", "Yuan", "Pan", "Yu", "Jiang", "Cai", "Du",
    "Ye", "Cheng", "Wei", "Su", "Lü", "Ding", "Ren", "Shen",
    "Yao", "Lu", "Cui", "Zhong", "Tan", "Fan", "Fang", "Shi",
    "Liao", "Zou", "Xiong", "Jin", "Hao", "Kong", "Bai", "Kang",
    "Mao", "Qiu", "Qin", "Gu", "Hou", "Shao", "Meng", "Long",
    "Wan", "Duan", "Lei", "Qian", "Yin", "Yi", "Chang", "Qiao",
    "Lai", "Gong", "Wen", "Pang", "Fu", "Niu", "Xue", "Yan",
    "Ouyang", "Zhuge", "Situ", "Shangguan", "Sima", "Dai", "Xia", "Tao",
    "Jia", "Mo", "Ji", "Guan", "Bao", "Ning", "Geng", "Ke",
};

// --- thai ---
const char *const thaiGiven[] = {
    "Somchai", "Somsak", "Somporn", "Sombat", "Prasert", "Surachai", "Surasak", "Suriya",
    "Anan", "Anurak", "Apichai", "Arthit", "Boonchu", "Boonmee", "Chaiya", "Chaiwat",
    "Chakrit", "Chanchai", "Chatchai", "Decha", "Ekachai", "Kamol", "Kasem", "Kittisak",
    "Kittipong", "Krit", "Montri", "Nattapong", "Natthawut", "Niran", "Nirut", "Noppadon",
    "Pairoj", "Panya", "Pichai", "Pisit", "Pongsak", "Prawit", "Prayut", "Preecha",
    "Sakchai", "Samai", "Sanan", "Santi", "Sarawut", "Seksan", "Sittichai", "Suchart",
    "Sukhum", "Sunthorn", "Supachai", "Suthep", "Thaksin", "Thanakorn", "Thanawat", "Thawatchai",
    "Thongchai", "Udom", "Vichai", "Wanchai", "Watchara", "Weerasak", "Wirat", "Wisit",
    "Yuthana", "Adisak", "Amnuay", "Banyat", "Chalerm", "Charoen", "Chusak", "Jakkrit",
    "Jaturong", "Kriangkrai", "Manop", "Narong", "Nopphon", "Paitoon", "Phichit", "Pornchai",
    "Rungroj", "Sarayut", "Somkiat", "Sompong", "Supot", "Tawan", "Wichit", "Worawit",
    "Yodchai", "Anuwat", "Attapon", "Samart", "Kiatisuk", "Teerasil", "Chanathip", "Theerathon",
    "Supachok", "Sarach", "Kawin", "Pansa", "Paradorn", "Kiradech", "Prayad", "Kunlavut",
};
const char *const thaiSurnames[] = {
    "Shinawatra", "Wongsuwan", "Vejjajiva", "Chearavanont", "Kittikachorn", "Senamuang", "Boonyaratglin", "Thepsuthin",
    "Charnvirakul", "Leekpai", "Sundaravej", "Wongsawat", "Panyarachun", "Chulanont", "Kraprayoon", "Tinsulanonda",
    "Choonhavan", "Pramoj", "Thanarat", "Phanomyong", "Dangda", "Songkrasin", "Srichaphan", "Intanon",
    "Kamsing", "Ponlid", "Boonjumnong", "Pongprayoon", "Ruenroeng", "Seesondee", "Thongburan", "Jongjohor",
    "Sasakul", "Payakaroon", "Banchamek", "Muangsurin", "Niyomtrong", "Wangek", "Bunmathan", "Sarachat",
    "Mueanta", "Yooyen", "Veerachat", "Chamratsamee", "Hemviboon", "Kraisorn", "Kesarat", "Thamsatchanan",
    "Jakkuprasat", "Thonglao", "Suksomkit", "Chaiman", "Surasiang", "Chaikamdee", "Thonkanya", "Winothai",
    "Kaewprom", "Budprom", "Pomphan", "Kaman", "Puangchan", "Dechmitr", "Siripala", "Wattana",
    "Un-Nooh", "Saengkham", "Akani", "Tanasugarn", "Jaidee", "Aphibarnrat", "Jutanugarn", "Marksaeng",
    "Vitidsarn", "Ponsana", "Thongsuk", "Polsak", "Wongpattanakit", "Chatikavanij", "Limjaroenrat", "Thavisin",
    "Kamolvisit", "Limthongkul", "Thaugsuban", "Srimuang", "Silpa-archa", "Yongchaiyudh", "Yeerum", "Saetang",
    "Saelim", "Saelee", "Saeheng", "Saeung", "Srisuk", "Boonmee", "Suksawat", "Srisawat",
    "Sukprasert", "Thongdee", "Kaewmanee", "Somboon", "Chaiyaporn", "Prasathinphimai", "Kanitsribampen", "Juangroongruangkit",
};

// --- oceanic (the Pacific islands) ---
const char *const oceanicGiven[] = {
    "Sione", "Tevita", "Viliami", "Siaosi", "Semisi", "Sitani", "Pita", "Sefo",
    "Tomasi", "Iosefa", "Ioane", "Sila", "Mosese", "Lemeki", "Soane", "Tavita",
    "Josateki", "Waisale", "Viliame", "Semi", "Jone", "Isoa", "Epeli", "Apisai",
    "Sireli", "Inoke", "Osea", "Maika", "Peni", "Kalivati", "Mesake", "Seru",
    "Saimoni", "Alipate", "Asaeli", "Manasa", "Jiuta", "Leone", "Nemani", "Akapusi",
    "Netani", "Vereniki", "Timoci", "Samisoni", "Eroni", "Aisea", "Waisea", "Nasoni",
    "Setareki", "Eparama", "Sakiusa", "Iliesa", "Kitione", "Solomone", "Sitiveni", "Emosi",
    "Ilaisa", "Josefa", "Ropate", "Rusiate", "Semesa", "Taniela", "Ulaiasi", "Vilimoni",
    "Lote", "Nacanieli", "Pio", "Marika", "Sekove", "Wiremu", "Hemi", "Rawiri",
    "Tane", "Nikau", "Tamati", "Hone", "Rangi", "Manaia", "Ihaia", "Piripi",
    "Matiu", "Hohepa", "Arama", "Kahu", "Mikaere", "Aperahama", "Siosaia", "Lisiate",
    "Feleti", "Paea", "Sefa", "Fetu", "Tui", "Sosaia", "Vaea", "Pesamino",
    "Malakai", "Afa", "Sailosi", "Tipene", "Apenisa", "Kini", "Masivesi", "Watisoni",
};
const char *const oceanicSurnames[] = {
    "Tuilagi", "Leota", "Sapolu", "Taufa", "Fifita", "Havili", "Vainikolo", "Tupou",
    "Moala", "Fonua", "Mahe", "Naivalu", "Radradra", "Nadolo", "Rokoduguni", "Nakarawa",
    "Tuisova", "Folau", "Taumalolo", "Piutau", "Lolohea", "Halaifonua", "Vunipola", "Hufanga",
    "Latu", "Taione", "Naufahu", "Faingaa", "Afoa", "Sopoaga", "Fuimaono", "Tuala",
    "Savea", "Sio", "Lealiifano", "Masoe", "Toleafoa", "Mauga", "Pulu", "Paulo",
    "Tagaloa", "Lauaki", "Vea", "Manu", "Tapueluelu", "Ma'afu", "Kioa", "Nayacalevu",
    "Matawalu", "Volavola", "Qera", "Ratuva", "Koroibete", "Delasau", "Lovobalavu", "Waqaniburotu",
    "Kunatani", "Nagusa", "Botia", "Vakatawa", "Tuivasa", "Goneva", "Cavubati", "Tikoirotuma",
    "Rabuka", "Bainimarama", "Seruvakula", "Masirewa", "Vatubua", "Dakuwaqa", "Nacewa", "Kolinisau",
    "Murimurivalu", "Matavesi", "Kuridrani", "Ravouvou", "Nakosi", "Mawi", "Tagitagivalu", "Tuwai",
    "Ngata", "Parata", "Pomare", "Te Kanawa", "Tamihana", "Te Whare", "Leilua", "Anae",
    "Tuiasosopo", "Lemalu", "Aumua", "Faumuina", "Mulitalo", "Fukofuka", "Kaufusi", "Hopoate",
    "Vaipulu", "Talakai", "Pangai", "Tonga'uiha", "Tuipulotu", "Koloamatangi", "Fakatava", "Faletau",
    "Namaliu", "Somare", "Marape", "Wingti", "Sogavare", "Kemakeza", "Lini", "Natapei",
    "Kalsakau", "Malielegaoi", "Mata'afa",
};

template <size_t N>
QStringList listOf(const char *const (&names)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char *name : names)
        list.append(QString::fromUtf8(name));
    return list;
}

template <size_t G, size_t S>
CultureNames culture(const char *name, const char *const (&given)[G], const char *const (&surnames)[S])
{
    return CultureNames{QString::fromLatin1(name), listOf(given), listOf(surnames)};
}

QVector<CultureNames> buildCultures()
{
    return {
        culture("anglo", angloGiven, angloSurnames),
        culture("hispanic", hispanicGiven, hispanicSurnames),
        culture("french", frenchGiven, frenchSurnames),
        culture("british", britishGiven, britishSurnames),
        culture("portuguese", portugueseGiven, portugueseSurnames),
        culture("germanic", germanicGiven, germanicSurnames),
        culture("greek", greekGiven, greekSurnames),
        culture("scandinavian", scandinavianGiven, scandinavianSurnames),
        culture("italian", italianGiven, italianSurnames),
        culture("dutch", dutchGiven, dutchSurnames),
        culture("balkan", balkanGiven, balkanSurnames),
        culture("russian", russianGiven, russianSurnames),
        culture("eastern_european", easternEuropeanGiven, easternEuropeanSurnames),
        culture("arab", arabGiven, arabSurnames),
        culture("african", africanGiven, africanSurnames),
        culture("israeli", israeliGiven, israeliSurnames),
        culture("turkic", turkicGiven, turkicSurnames),
        culture("japanese", japaneseGiven, japaneseSurnames),
        culture("korean", koreanGiven, koreanSurnames),
        culture("chinese", chineseGiven, chineseSurnames),
        culture("thai", thaiGiven, thaiSurnames),
        culture("oceanic", oceanicGiven, oceanicSurnames),
    };
}

} // namespace

namespace NameTables {

const QVector<CultureNames> &cultures()
{
    static const QVector<CultureNames> table = buildCultures();
    return table;
}

} // namespace NameTables
