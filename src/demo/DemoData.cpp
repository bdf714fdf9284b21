#include "demo/DemoData.h"

namespace pw::demo::data {

const std::vector<Weighted>& lastNames()
{
    // The most common names, then a long tail of less common ones.
    static const std::vector<Weighted> v = { { "Smith", 60 }, { "Johnson", 48 }, { "Williams", 42 }, { "Brown", 38 },
        { "Jones", 38 }, { "Davis", 30 }, { "Miller", 29 }, { "Wilson", 23 }, { "Moore", 20 }, { "Taylor", 20 },
        { "Anderson", 20 }, { "Thomas", 20 }, { "Jackson", 20 }, { "White", 18 }, { "Harris", 18 }, { "Martin", 18 },
        { "Thompson", 17 }, { "Garcia", 12 }, { "Martinez", 10 }, { "Robinson", 14 }, { "Clark", 14 },
        { "Rodriguez", 9 }, { "Lewis", 13 }, { "Lee", 12 }, { "Walker", 12 }, { "Hall", 12 }, { "Allen", 11 },
        { "Young", 11 }, { "Hernandez", 6 }, { "King", 11 }, { "Wright", 11 }, { "Lopez", 6 }, { "Hill", 11 },
        { "Scott", 10 }, { "Green", 10 }, { "Adams", 10 }, { "Baker", 9 }, { "Gonzalez", 5 }, { "Nelson", 9 },
        { "Carter", 9 }, { "Mitchell", 9 }, { "Perez", 4 }, { "Roberts", 9 }, { "Turner", 8 }, { "Phillips", 8 },
        { "Campbell", 8 }, { "Parker", 8 }, { "Evans", 8 }, { "Edwards", 8 }, { "Collins", 8 }, { "Stewart", 8 },
        { "Sanchez", 4 }, { "Morris", 7 }, { "Rogers", 7 }, { "Reed", 7 }, { "Cook", 7 }, { "Morgan", 6 },
        { "Bell", 6 }, { "Murphy", 6 }, { "Bailey", 6 }, { "Rivera", 3 }, { "Cooper", 6 }, { "Richardson", 6 },
        { "Cox", 6 }, { "Howard", 6 }, { "Ward", 6 }, { "Torres", 3 }, { "Peterson", 5 }, { "Gray", 6 },
        { "Ramirez", 3 }, { "James", 6 }, { "Watson", 5 }, { "Brooks", 5 }, { "Kelly", 5 }, { "Sanders", 5 },
        { "Price", 5 }, { "Bennett", 5 }, { "Wood", 5 }, { "Barnes", 5 }, { "Ross", 5 }, { "Henderson", 5 },
        { "Coleman", 5 }, { "Jenkins", 5 }, { "Perry", 5 }, { "Powell", 5 }, { "Long", 5 }, { "Patterson", 5 },
        { "Hughes", 5 }, { "Flores", 3 }, { "Washington", 4 }, { "Butler", 5 }, { "Simmons", 5 }, { "Foster", 5 },
        { "Gonzales", 2 }, { "Bryant", 5 }, { "Alexander", 4 }, { "Russell", 5 }, { "Griffin", 5 }, { "Diaz", 2 },
        { "Hayes", 4 }, { "Myers", 4 }, { "Ford", 4 }, { "Hamilton", 4 }, { "Graham", 4 }, { "Sullivan", 3 },
        { "Wallace", 4 }, { "Woods", 4 }, { "Cole", 4 }, { "West", 4 }, { "Jordan", 4 }, { "Owens", 4 },
        { "Reynolds", 4 }, { "Fisher", 4 }, { "Ellis", 4 }, { "Harrison", 3 }, { "Gibson", 3 }, { "McDonald", 3 },
        { "Cruz", 2 }, { "Marshall", 3 }, { "Ortiz", 2 }, { "Gomez", 2 }, { "Murray", 3 }, { "Freeman", 3 },
        { "Wells", 3 }, { "Webb", 3 }, { "Simpson", 3 }, { "Stevens", 3 }, { "Tucker", 3 }, { "Porter", 3 },
        { "Hunter", 3 }, { "Hicks", 3 }, { "Crawford", 3 }, { "Henry", 3 }, { "Boyd", 3 }, { "Mason", 3 },
        { "Morales", 2 }, { "Kennedy", 3 }, { "Warren", 3 }, { "Dixon", 3 }, { "Ramos", 2 }, { "Reyes", 2 },
        { "Burns", 3 }, { "Gordon", 3 }, { "Shaw", 3 }, { "Holmes", 3 }, { "Rice", 3 }, { "Robertson", 3 },
        { "Hunt", 3 }, { "Black", 3 }, { "Daniels", 3 }, { "Palmer", 3 }, { "Mills", 3 }, { "Nichols", 3 },
        { "Grant", 3 }, { "Knight", 3 }, { "Ferguson", 3 }, { "Rose", 3 }, { "Stone", 3 }, { "Hawkins", 3 },
        { "Dunn", 3 }, { "Perkins", 3 }, { "Hudson", 3 }, { "Spencer", 3 }, { "Gardner", 3 }, { "Stephens", 3 },
        { "Payne", 3 }, { "Pierce", 3 }, { "Berry", 3 }, { "Matthews", 3 }, { "Arnold", 3 }, { "Wagner", 3 },
        { "Willis", 3 }, { "Ray", 3 }, { "Watkins", 3 }, { "Olson", 2 }, { "Carroll", 3 }, { "Duncan", 3 },
        { "Snyder", 2 }, { "Hart", 3 }, { "Cunningham", 3 }, { "Bradley", 3 }, { "Lane", 3 }, { "Andrews", 3 },
        { "Ruiz", 2 }, { "Harper", 3 }, { "Fox", 3 }, { "Riley", 3 }, { "Armstrong", 3 }, { "Carpenter", 3 },
        { "Weaver", 3 }, { "Greene", 3 }, { "Lawrence", 3 }, { "Elliott", 3 }, { "Chavez", 2 }, { "Sims", 3 },
        { "Austin", 3 }, { "Peters", 2 }, { "Kelley", 2 }, { "Franklin", 2 }, { "Lawson", 2 }, { "Fields", 2 },
        { "McCoy", 2 }, { "McKinney", 2 }, { "Nguyen", 2 }, { "Kim", 2 }, { "O'Brien", 2 }, { "O'Neal", 2 },
        { "O'Connor", 2 }, { "D'Angelo", 1 }, { "Müller", 1 }, { "Peña", 1 }, { "Núñez", 1 }, { "Gutiérrez", 1 },
        { "Schäfer", 1 }, { "Abbott", 3 }, { "Acosta", 3 }, { "Adkins", 3 }, { "Aguilar", 3 }, { "Alvarado", 3 },
        { "Anthony", 3 }, { "Atkins", 3 }, { "Avery", 3 }, { "Ayala", 3 }, { "Baldwin", 3 }, { "Ball", 3 },
        { "Banks", 3 }, { "Barber", 3 }, { "Barker", 3 }, { "Barnett", 3 }, { "Barrett", 3 }, { "Barton", 3 },
        { "Bass", 3 }, { "Bates", 3 }, { "Beck", 3 }, { "Becker", 3 }, { "Benson", 3 }, { "Bishop", 3 },
        { "Blackwell", 3 }, { "Blair", 3 }, { "Blake", 3 }, { "Bowen", 3 }, { "Bowers", 3 }, { "Bowman", 3 },
        { "Boyle", 3 }, { "Bradford", 3 }, { "Brady", 3 }, { "Brewer", 3 }, { "Bridges", 3 }, { "Briggs", 3 },
        { "Brock", 3 }, { "Bryan", 3 }, { "Buchanan", 3 }, { "Burgess", 3 }, { "Burke", 3 }, { "Burnett", 3 },
        { "Burton", 3 }, { "Bush", 3 }, { "Byrd", 3 }, { "Cain", 3 }, { "Caldwell", 3 }, { "Calhoun", 3 },
        { "Cameron", 3 }, { "Cannon", 3 }, { "Carlson", 3 }, { "Carr", 3 }, { "Carson", 3 }, { "Carver", 3 },
        { "Case", 3 }, { "Casey", 3 }, { "Cash", 3 }, { "Chambers", 3 }, { "Chandler", 3 }, { "Chapman", 3 },
        { "Christensen", 3 }, { "Church", 3 }, { "Clarke", 3 }, { "Clay", 3 }, { "Clayton", 3 }, { "Cline", 3 },
        { "Cobb", 3 }, { "Cochran", 3 }, { "Cohen", 3 }, { "Collier", 3 }, { "Combs", 3 }, { "Conley", 3 },
        { "Conner", 3 }, { "Conrad", 3 }, { "Copeland", 3 }, { "Craig", 3 }, { "Crane", 3 }, { "Crosby", 3 },
        { "Cross", 3 }, { "Curry", 3 }, { "Curtis", 3 }, { "Dalton", 3 }, { "Daniel", 3 }, { "Davenport", 3 },
        { "Dawson", 3 }, { "Day", 3 }, { "Dean", 3 }, { "Decker", 3 }, { "Delaney", 3 }, { "Dennis", 3 },
        { "Dickerson", 3 }, { "Dillard", 3 }, { "Dodson", 3 }, { "Donovan", 3 }, { "Dorsey", 3 }, { "Dougherty", 3 },
        { "Douglas", 3 }, { "Doyle", 3 }, { "Drake", 3 }, { "Dudley", 3 }, { "Duffy", 3 }, { "Duke", 3 },
        { "Dunlap", 3 }, { "Durham", 3 }, { "Dyer", 3 }, { "Eaton", 3 }, { "Elliot", 3 }, { "English", 3 },
        { "Erickson", 3 }, { "Estes", 3 }, { "Everett", 3 }, { "Farmer", 3 }, { "Faulkner", 3 }, { "Fitzgerald", 3 },
        { "Fleming", 3 }, { "Fletcher", 3 }, { "Flowers", 3 }, { "Floyd", 3 }, { "Flynn", 3 }, { "Forbes", 3 },
        { "Fowler", 3 }, { "Francis", 3 }, { "Frazier", 3 }, { "Frederick", 3 }, { "French", 3 }, { "Frost", 3 },
        { "Fuller", 3 }, { "Gaines", 3 }, { "Gallagher", 3 }, { "Garner", 3 }, { "Garrett", 3 }, { "Garrison", 3 },
        { "Gates", 3 }, { "Gentry", 3 }, { "Gibbs", 3 }, { "Gilbert", 3 }, { "Giles", 3 }, { "Gill", 3 },
        { "Glass", 3 }, { "Glover", 3 }, { "Golden", 3 }, { "Goodman", 3 }, { "Goodwin", 3 }, { "Gould", 3 },
        { "Graves", 3 }, { "Gregory", 3 }, { "Griffith", 3 }, { "Grimes", 3 }, { "Guthrie", 3 }, { "Hale", 3 },
        { "Haley", 3 }, { "Hammond", 3 }, { "Hampton", 3 }, { "Hancock", 3 }, { "Hansen", 3 }, { "Hanson", 3 },
        { "Hardin", 3 }, { "Harding", 3 }, { "Hardy", 3 }, { "Harmon", 3 }, { "Harrell", 3 }, { "Hartman", 3 },
        { "Harvey", 3 }, { "Hatfield", 3 }, { "Haynes", 3 }, { "Hays", 3 }, { "Head", 3 }, { "Henson", 3 },
        { "Herring", 3 }, { "Hess", 3 }, { "Higgins", 3 }, { "Hines", 3 }, { "Hinton", 3 }, { "Hobbs", 3 },
        { "Hodge", 3 }, { "Hodges", 3 }, { "Hoffman", 3 }, { "Hogan", 3 }, { "Holland", 3 }, { "Holloway", 3 },
        { "Holt", 3 }, { "Hooper", 3 }, { "Hopkins", 3 }, { "Horne", 3 }, { "Horton", 3 }, { "House", 3 },
        { "Houston", 3 }, { "Howell", 3 }, { "Hubbard", 3 }, { "Huff", 3 }, { "Humphrey", 3 }, { "Hurst", 3 },
        { "Hutchinson", 3 }, { "Ingram", 3 }, { "Irwin", 3 }, { "Jacobs", 3 }, { "Jefferson", 3 }, { "Jennings", 3 },
        { "Jensen", 3 }, { "Johns", 3 }, { "Johnston", 3 }, { "Joyner", 3 }, { "Keller", 3 }, { "Kemp", 3 },
        { "Kent", 3 }, { "Kerr", 3 }, { "Kidd", 3 }, { "Kirby", 3 }, { "Kirk", 3 }, { "Klein", 3 }, { "Knox", 3 },
        { "Lamb", 3 }, { "Lambert", 3 }, { "Lang", 3 }, { "Larson", 3 }, { "Leach", 3 }, { "Leonard", 3 },
        { "Lindsey", 3 }, { "Little", 3 }, { "Livingston", 3 }, { "Logan", 3 }, { "Love", 3 }, { "Lowe", 3 },
        { "Lowery", 3 }, { "Lucas", 3 }, { "Lynch", 3 }, { "Lyons", 3 }, { "Mack", 3 }, { "Maddox", 3 },
        { "Malone", 3 }, { "Mann", 3 }, { "Manning", 3 }, { "Marsh", 3 }, { "Massey", 3 }, { "Mathis", 3 },
        { "Maxwell", 3 }, { "May", 3 }, { "Mayfield", 3 }, { "McBride", 3 }, { "McCarthy", 3 }, { "McClain", 3 },
        { "McCormick", 3 }, { "McDaniel", 3 }, { "McGee", 3 }, { "McKenzie", 3 }, { "McLaughlin", 3 }, { "McLean", 3 },
        { "McMillan", 3 }, { "Meadows", 3 }, { "Melton", 3 }, { "Mercer", 3 }, { "Merritt", 3 }, { "Meyer", 3 },
        { "Middleton", 3 }, { "Miles", 3 }, { "Montgomery", 3 }, { "Moody", 3 }, { "Moon", 3 }, { "Morrison", 3 },
        { "Morrow", 3 }, { "Morton", 3 }, { "Moss", 3 }, { "Mullins", 3 }, { "Neal", 3 }, { "Newman", 3 },
        { "Newton", 3 }, { "Noble", 3 }, { "Norman", 3 }, { "Norris", 3 }, { "Norton", 3 }, { "Odom", 3 },
        { "Oliver", 3 }, { "O'Donnell", 3 }, { "Osborne", 3 }, { "Pace", 3 }, { "Page", 3 }, { "Parks", 3 },
        { "Parrish", 3 }, { "Parsons", 3 }, { "Patton", 3 }, { "Pearson", 3 }, { "Pittman", 3 }, { "Pope", 3 },
        { "Potter", 3 }, { "Pratt", 3 }, { "Preston", 3 }, { "Pruitt", 3 }, { "Pugh", 3 }, { "Quinn", 3 },
        { "Randall", 3 }, { "Randolph", 3 }, { "Rankin", 3 }, { "Reese", 3 }, { "Rhodes", 3 }, { "Rich", 3 },
        { "Richards", 3 }, { "Roach", 3 }, { "Robbins", 3 }, { "Rowe", 3 }, { "Rowland", 3 }, { "Rush", 3 },
        { "Sampson", 3 }, { "Sanford", 3 }, { "Saunders", 3 }, { "Savage", 3 }, { "Sawyer", 3 }, { "Schmidt", 3 },
        { "Schultz", 3 }, { "Sexton", 3 }, { "Sharp", 3 }, { "Shelton", 3 }, { "Shepherd", 3 }, { "Sherman", 3 },
        { "Short", 3 }, { "Simon", 3 }, { "Singleton", 3 }, { "Skinner", 3 }, { "Slater", 3 }, { "Sloan", 3 },
        { "Small", 3 }, { "Solomon", 3 }, { "Sparks", 3 }, { "Stafford", 3 }, { "Stanley", 3 }, { "Steele", 3 },
        { "Stokes", 3 }, { "Strickland", 3 }, { "Summers", 3 }, { "Sutton", 3 }, { "Swanson", 3 }, { "Tate", 3 },
        { "Terrell", 3 }, { "Terry", 3 }, { "Thornton", 3 }, { "Todd", 3 }, { "Townsend", 3 }, { "Tyler", 3 },
        { "Underwood", 3 }, { "Vance", 3 }, { "Vaughn", 3 }, { "Wade", 3 }, { "Walls", 3 }, { "Walsh", 3 },
        { "Walton", 3 }, { "Ware", 3 }, { "Waters", 3 }, { "Watts", 3 }, { "Weeks", 3 }, { "Welch", 3 },
        { "Wheeler", 3 }, { "Whitaker", 3 }, { "Whitfield", 3 }, { "Whitley", 3 }, { "Wiggins", 3 }, { "Wilcox", 3 },
        { "Wilkerson", 3 }, { "Wilkins", 3 }, { "Wilkinson", 3 }, { "Williamson", 3 }, { "Winters", 3 }, { "Wise", 3 },
        { "Wolfe", 3 }, { "Womack", 3 }, { "Woodard", 3 }, { "Workman", 3 }, { "Wyatt", 3 }, { "Yates", 3 },
        { "York", 3 } };
    return v;
}

const std::vector<Weighted>& maleFirstNames()
{
    static const std::vector<Weighted> v = { { "James", 40 }, { "John", 38 }, { "Robert", 36 }, { "Michael", 36 },
        { "William", 34 }, { "David", 33 }, { "Richard", 22 }, { "Joseph", 20 }, { "Thomas", 20 }, { "Charles", 22 },
        { "Christopher", 20 }, { "Daniel", 19 }, { "Matthew", 18 }, { "Anthony", 12 }, { "Mark", 14 }, { "Donald", 12 },
        { "Steven", 13 }, { "Paul", 11 }, { "Andrew", 13 }, { "Joshua", 14 }, { "Kenneth", 10 }, { "Kevin", 11 },
        { "Brian", 11 }, { "George", 10 }, { "Timothy", 10 }, { "Ronald", 9 }, { "Jason", 11 }, { "Edward", 8 },
        { "Jeffrey", 9 }, { "Ryan", 10 }, { "Jacob", 11 }, { "Gary", 8 }, { "Nicholas", 8 }, { "Eric", 8 },
        { "Jonathan", 9 }, { "Stephen", 7 }, { "Larry", 7 }, { "Justin", 7 }, { "Scott", 7 }, { "Brandon", 8 },
        { "Benjamin", 9 }, { "Samuel", 9 }, { "Gregory", 6 }, { "Alexander", 7 }, { "Patrick", 6 }, { "Frank", 6 },
        { "Raymond", 5 }, { "Jack", 6 }, { "Dennis", 5 }, { "Jerry", 5 }, { "Tyler", 6 }, { "Aaron", 5 },
        { "Henry", 5 }, { "Adam", 5 }, { "Nathan", 6 }, { "Zachary", 5 }, { "Douglas", 5 }, { "Peter", 4 },
        { "Kyle", 5 }, { "Noah", 7 }, { "Ethan", 7 }, { "Jeremy", 4 }, { "Walter", 4 }, { "Christian", 4 },
        { "Keith", 4 }, { "Roger", 4 }, { "Terry", 4 }, { "Austin", 4 }, { "Sean", 4 }, { "Gerald", 3 }, { "Carl", 3 },
        { "Harold", 3 }, { "Dylan", 4 }, { "Arthur", 3 }, { "Lawrence", 3 }, { "Jordan", 4 }, { "Jesse", 3 },
        { "Bryan", 3 }, { "Billy", 3 }, { "Bruce", 3 }, { "Gabriel", 3 }, { "Joe", 3 }, { "Logan", 4 }, { "Alan", 3 },
        { "Juan", 2 }, { "Albert", 3 }, { "Willie", 2 }, { "Elijah", 5 }, { "Wayne", 3 }, { "Randy", 3 },
        { "Vincent", 2 }, { "Liam", 5 }, { "Caleb", 4 }, { "Luke", 4 }, { "Mason", 4 }, { "Wyatt", 3 }, { "Carter", 3 },
        { "Hunter", 3 }, { "Bobby", 3 }, { "Dale", 2 }, { "Jimmy", 2 }, { "José", 2 }, { "André", 1 } };
    return v;
}

const std::vector<Weighted>& femaleFirstNames()
{
    static const std::vector<Weighted> v = { { "Mary", 38 }, { "Patricia", 26 }, { "Jennifer", 26 }, { "Linda", 24 },
        { "Elizabeth", 22 }, { "Barbara", 20 }, { "Susan", 19 }, { "Jessica", 18 }, { "Sarah", 18 }, { "Karen", 17 },
        { "Lisa", 15 }, { "Nancy", 15 }, { "Betty", 13 }, { "Margaret", 13 }, { "Sandra", 12 }, { "Ashley", 14 },
        { "Kimberly", 12 }, { "Emily", 14 }, { "Donna", 11 }, { "Michelle", 11 }, { "Carol", 10 }, { "Amanda", 12 },
        { "Dorothy", 9 }, { "Melissa", 10 }, { "Deborah", 10 }, { "Stephanie", 9 }, { "Rebecca", 9 }, { "Sharon", 9 },
        { "Laura", 9 }, { "Cynthia", 8 }, { "Kathleen", 7 }, { "Amy", 8 }, { "Angela", 8 }, { "Shirley", 7 },
        { "Anna", 8 }, { "Brenda", 7 }, { "Pamela", 7 }, { "Emma", 10 }, { "Nicole", 7 }, { "Helen", 6 },
        { "Samantha", 7 }, { "Katherine", 7 }, { "Christine", 6 }, { "Debra", 6 }, { "Rachel", 7 }, { "Carolyn", 6 },
        { "Janet", 6 }, { "Catherine", 6 }, { "Maria", 4 }, { "Heather", 6 }, { "Diane", 5 }, { "Ruth", 5 },
        { "Julie", 5 }, { "Olivia", 8 }, { "Joyce", 5 }, { "Virginia", 5 }, { "Victoria", 5 }, { "Kelly", 5 },
        { "Lauren", 6 }, { "Christina", 5 }, { "Joan", 4 }, { "Evelyn", 5 }, { "Judith", 4 }, { "Megan", 5 },
        { "Andrea", 4 }, { "Cheryl", 4 }, { "Hannah", 6 }, { "Jacqueline", 4 }, { "Martha", 4 }, { "Gloria", 4 },
        { "Teresa", 4 }, { "Ann", 4 }, { "Sara", 4 }, { "Madison", 5 }, { "Frances", 3 }, { "Kathryn", 4 },
        { "Janice", 3 }, { "Jean", 3 }, { "Abigail", 5 }, { "Alice", 3 }, { "Judy", 3 }, { "Sophia", 6 },
        { "Grace", 5 }, { "Denise", 3 }, { "Amber", 3 }, { "Doris", 3 }, { "Marilyn", 3 }, { "Danielle", 3 },
        { "Beverly", 3 }, { "Isabella", 4 }, { "Theresa", 3 }, { "Diana", 3 }, { "Natalie", 4 }, { "Brittany", 3 },
        { "Charlotte", 5 }, { "Marie", 3 }, { "Kayla", 3 }, { "Alexis", 3 }, { "Lori", 3 }, { "Ava", 5 },
        { "Renée", 1 }, { "Zoë", 1 }, { "Chloé", 1 } };
    return v;
}

const std::vector<Weighted>& maleMiddleNames()
{
    static const std::vector<Weighted> v = { { "", 8 }, { "James", 10 }, { "Lee", 9 }, { "Allen", 7 }, { "Wayne", 6 },
        { "Michael", 8 }, { "Edward", 5 }, { "Ray", 5 }, { "Thomas", 6 }, { "Joseph", 6 }, { "Dean", 3 },
        { "Scott", 4 }, { "Alan", 4 }, { "Lynn", 2 }, { "Paul", 4 }, { "David", 6 }, { "Andrew", 4 }, { "Matthew", 4 },
        { "Robert", 5 }, { "Christopher", 3 }, { "William", 5 }, { "Carter", 2 }, { "Gene", 2 }, { "Cole", 2 } };
    return v;
}

const std::vector<Weighted>& femaleMiddleNames()
{
    static const std::vector<Weighted> v = { { "", 8 }, { "Ann", 12 }, { "Marie", 12 }, { "Lynn", 9 },
        { "Elizabeth", 9 }, { "Nicole", 5 }, { "Michelle", 5 }, { "Renee", 4 }, { "Louise", 4 }, { "Jean", 5 },
        { "Grace", 5 }, { "Rose", 5 }, { "Kay", 4 }, { "Sue", 4 }, { "Diane", 3 }, { "Leigh", 4 }, { "Faith", 3 },
        { "Claire", 3 }, { "Jo", 2 }, { "Mae", 3 }, { "Danielle", 2 }, { "Hope", 2 } };
    return v;
}

const std::vector<Weighted>& streetNames()
{
    static const std::vector<Weighted> v
        = { { "Oak", 8 }, { "Maple", 7 }, { "Cedar", 6 }, { "Willow", 4 }, { "Magnolia", 5 }, { "Hickory", 4 },
              { "Dogwood", 5 }, { "Pine", 5 }, { "Elm", 4 }, { "Chestnut", 3 }, { "Walnut", 4 }, { "Sycamore", 3 },
              { "Poplar", 3 }, { "Mulberry", 2 }, { "Laurel", 3 }, { "Holly", 3 }, { "Cherry", 2 }, { "Birch", 2 },
              { "Spring", 4 }, { "Mill", 4 }, { "Church", 5 }, { "Main", 6 }, { "Hillsboro", 3 }, { "Lewisburg", 2 },
              { "Carothers", 2 }, { "Mallory", 2 }, { "Liberty", 3 }, { "Independence", 2 }, { "Jackson", 3 },
              { "Washington", 3 }, { "Lincoln", 2 }, { "Madison", 2 }, { "Jefferson", 2 }, { "Monroe", 2 },
              { "Harpeth", 3 }, { "Cumberland", 3 }, { "Meadow", 4 }, { "Ridge", 4 }, { "Valley", 3 }, { "Creek", 3 },
              { "Lake", 3 }, { "River", 3 }, { "Forest", 3 }, { "Heritage", 2 }, { "Highland", 3 }, { "Sunset", 3 },
              { "Chapel", 2 }, { "Country Club", 1 }, { "King's", 1 }, { "Old Hickory", 2 }, { "Fieldstone", 2 },
              { "Cobblestone", 2 }, { "Stonebridge", 2 }, { "Wheatfield", 1 }, { "Bluebird", 1 } };
    return v;
}

const std::vector<Weighted>& streetSuffixes()
{
    static const std::vector<Weighted> v = { { "St", 10 }, { "Ave", 7 }, { "Dr", 12 }, { "Ln", 9 }, { "Rd", 9 },
        { "Ct", 6 }, { "Cir", 4 }, { "Way", 4 }, { "Blvd", 2 }, { "Pike", 3 }, { "Pl", 3 }, { "Trl", 2 } };
    return v;
}

const std::vector<Weighted>& emailDomains()
{
    static const std::vector<Weighted> v = { { "gmail.com", 45 }, { "yahoo.com", 15 }, { "icloud.com", 12 },
        { "outlook.com", 8 }, { "hotmail.com", 6 }, { "att.net", 5 }, { "comcast.net", 5 }, { "aol.com", 4 } };
    return v;
}

const std::vector<City>& localCities()
{
    static const std::vector<City> v = { { "Franklin", "TN", "37064", "615", 30 },
        { "Franklin", "TN", "37067", "615", 14 }, { "Franklin", "TN", "37069", "615", 10 },
        { "Brentwood", "TN", "37027", "615", 12 }, { "Nolensville", "TN", "37135", "615", 6 },
        { "Spring Hill", "TN", "37174", "931", 10 }, { "Thompson's Station", "TN", "37179", "615", 5 },
        { "Columbia", "TN", "38401", "931", 5 }, { "Fairview", "TN", "37062", "615", 3 },
        { "Nashville", "TN", "37211", "629", 4 }, { "Nashville", "TN", "37215", "615", 3 },
        { "College Grove", "TN", "37046", "615", 2 }, { "Murfreesboro", "TN", "37128", "629", 2 } };
    return v;
}

const std::vector<City>& distantCities()
{
    static const std::vector<City> v
        = { { "Huntsville", "AL", "35801", "256", 3 }, { "Atlanta", "GA", "30305", "404", 3 },
              { "Louisville", "KY", "40207", "502", 2 }, { "Charlotte", "NC", "28205", "704", 3 },
              { "Dallas", "TX", "75214", "214", 3 }, { "Knoxville", "TN", "37919", "865", 3 },
              { "Chattanooga", "TN", "37405", "423", 2 }, { "Greenville", "SC", "29601", "864", 2 },
              { "Tulsa", "OK", "74105", "918", 1 }, { "Denver", "CO", "80210", "303", 1 } };
    return v;
}

const std::vector<Job>& jobs()
{
    static const std::vector<Job> v = { { "Teacher", "Harpeth Valley Schools" },
        { "Registered Nurse", "Cumberland Regional Hospital" }, { "Physician", "Cumberland Regional Hospital" },
        { "Accountant", "Walker & Reed CPAs" }, { "Software Developer", "Tri-Star Data Systems" },
        { "Sales Manager", "Midstate Insurance" }, { "Insurance Agent", "Midstate Insurance" },
        { "Engineer", "Riverbend Manufacturing" }, { "Machinist", "Riverbend Manufacturing" },
        { "Truck Driver", "Tri-Star Logistics" }, { "Warehouse Supervisor", "Tri-Star Logistics" },
        { "Bank Teller", "First Heritage Bank" }, { "Loan Officer", "First Heritage Bank" },
        { "Dental Hygienist", "Franklin Family Dentistry" }, { "Real Estate Agent", "Magnolia Property Group" },
        { "Police Officer", "City of Franklin" }, { "Firefighter", "City of Franklin" },
        { "Office Manager", "Harpeth Chiropractic" }, { "Pharmacist", "Main Street Pharmacy" },
        { "Electrician", "Self-employed" }, { "Plumber", "Self-employed" }, { "Farmer", "Self-employed" },
        { "Attorney", "Hale, Ward & O'Connor" }, { "Administrative Assistant", "Williamson Title Company" },
        { "Mechanic", "Duncan's Auto Repair" }, { "Restaurant Manager", "Magnolia Café" },
        { "Hair Stylist", "Shear Elegance Salon" }, { "Professor", "Cumberland State University" },
        { "Pastor", "Grace Fellowship Church" }, { "Music Teacher", "Harpeth Valley Schools" } };
    return v;
}

const std::vector<const char*>& hobbies()
{
    static const std::vector<const char*> v = { "Gardening", "Fishing", "Hunting", "Golf", "Reading", "Quilting",
        "Woodworking", "Cooking", "Baking", "Hiking", "Photography", "Camping", "Crafts", "Knitting", "Piano", "Guitar",
        "Singing", "Travel", "Running", "Cycling", "Scrapbooking", "Bird watching", "Softball", "Basketball", "Soccer",
        "Painting", "Genealogy", "Canning", "Crossword puzzles" };
    return v;
}

const std::vector<const char*>& organizations()
{
    static const std::vector<const char*> v = { "Rotary Club", "Kiwanis", "Lions Club", "PTO", "Habitat for Humanity",
        "Fellowship of Christian Athletes", "Scouts", "American Legion", "Gideons", "Chamber of Commerce",
        "Garden Club", "4-H", "Women's Missionary Union", "Meals on Wheels", "Volunteer Fire Department" };
    return v;
}

const std::vector<const char*>& memberNotes()
{
    static const std::vector<const char*> v = {
        "Prefers a phone call in the evening.",
        "Needs a ride to church on Sundays.",
        "Helps with the fall festival every year.",
        "Brings flowers for the sanctuary at Easter.",
        "Hard of hearing; sit near the front.",
        "Available to cook for the Wednesday night supper.",
        "Recovering from knee surgery; visit at home.",
        "Would like to help with Vacation Bible School.",
        "Travels for work most weeks.",
        "Goes by their middle name.",
        "Doesn't want their birthday in the newsletter.",
        "Peanut allergy.",
        "Interested in the mission trip to Honduras.",
    };
    return v;
}

const std::vector<const char*>& otherChurches()
{
    static const std::vector<const char*> v = { "First Baptist Church of Columbia", "Bethel Methodist Church",
        "Hillcrest Church", "Calvary Chapel", "Westside Community Church", "St. Paul's Church", "New Hope Fellowship",
        "Harpeth Presbyterian Church", "Cornerstone Church", "Brentwood Bible Church" };
    return v;
}

const std::vector<const char*>& prospectSources()
{
    static const std::vector<const char*> v = { "Visitor Card", "Friend or Relative", "Vacation Bible School",
        "Website", "Community Event", "Moved Into Area", "Fall Festival", "Mother's Day Out", "Referral from Member",
        "Christmas Concert", "Easter Egg Hunt" };
    return v;
}

const std::vector<const char*>& prospectNotes()
{
    static const std::vector<const char*> v = {
        "Looking for a church home after moving here.",
        "Has two young children; interested in the nursery.",
        "Works Sunday mornings twice a month.",
        "Came with the O'Briens to the Christmas concert.",
        "Grew up in a church; hasn't attended in years.",
        "Asked about the youth group.",
        "Prefers e-mail to phone calls.",
        "Interested in the choir.",
        "Spouse attends another church.",
    };
    return v;
}

const std::vector<const char*>& contactNotes()
{
    static const std::vector<const char*> v = {
        "Visited with the family on the porch; they enjoyed the service.",
        "Left a door hanger and a welcome packet.",
        "Asked about the children's program.",
        "They're still looking at a few churches.",
        "Invited them to the Wednesday night supper.",
        "Prayed together before leaving.",
        "No answer; left a message.",
        "Mailed the welcome letter and a calendar.",
        "Very friendly; said they would come Sunday.",
        "Asked us to call back next month.",
        "Talked about baptism.",
        "Offered help with their move.",
    };
    return v;
}

const std::vector<const char*>& classNotes()
{
    static const std::vector<const char*> v
        = { "", "", "Coffee and doughnuts before class.", "Class fellowship the first Friday of each month.",
              "Uses the quarterly study guide.", "Check-in at the welcome desk required.",
              "Room has a sink and changing table.", "Class collects canned food for the pantry." };
    return v;
}

const std::vector<const char*>& careGroupNotes()
{
    static const std::vector<const char*> v = { "", "Meets the second Sunday evening of each month.",
        "Sends birthday cards to every family.", "Takes meals to new mothers.", "Phone tree for prayer requests.",
        "Meets in homes on Thursday evenings." };
    return v;
}

} // namespace pw::demo::data
