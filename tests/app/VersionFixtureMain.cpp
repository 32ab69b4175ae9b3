// A program that does nothing; the tests read the version records that the
// build puts into its copies.
int main() {
    return 0;
}
